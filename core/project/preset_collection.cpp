#include "project/preset_collection.h"

#include "common/file_read.h"
#include "common/file_write.h"
#include "common/printable.h"

namespace vignetta::project {

namespace {

std::string quote(std::string_view text)
{
    return "\"" + common::printable(text) + "\"";
}

// Number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

bool isBlank(std::string_view text)
{
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v')
            return false;
    }
    return true;
}

bool isUsableName(std::string_view name)
{
    return !isBlank(name) && characterCount(name) <= kMaxPresetNameLength &&
           common::printable(name) == name;
}

bool isListableCategory(const Json &category)
{
    if (!category.is_object())
        return false;
    const auto name = category.find("name");
    const auto presets = category.find("presets");
    return name != category.end() && name->is_string() && presets != category.end() &&
           presets->is_array();
}

// The first listable category of the array named exactly `name`, or nullptr.
Json *findCategory(Json &categories, const std::string &name)
{
    for (Json &category : categories) {
        if (isListableCategory(category) && category["name"].get_ref<const std::string &>() == name)
            return &category;
    }
    return nullptr;
}

} // namespace

CollectionReadResult parsePresetCollection(std::string_view text)
{
    CollectionReadResult result;
    json::ParseResult parsed = json::parseJson(text);
    if (!parsed) {
        result.error = "not JSON text (" + parsed.error + ")";
        return result;
    }
    if (!parsed.value.is_array()) {
        result.error = "the file does not hold a list of categories";
        return result;
    }
    const Json &categories = parsed.value;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const Json &category = categories[c];
        if (!isListableCategory(category)) {
            result.skipped.push_back("category " + std::to_string(c + 1) +
                                     " has no text name or no list of presets");
            continue;
        }
        PresetCategory listed;
        listed.name = category["name"].get<std::string>();
        const Json &presets = category["presets"];
        for (std::size_t p = 0; p < presets.size(); ++p) {
            const Json &preset = presets[p];
            const auto name = preset.is_object() ? preset.find("name") : preset.end();
            if (!preset.is_object() || name == preset.end() || !name->is_string()) {
                result.skipped.push_back("preset " + std::to_string(p + 1) + " of category " +
                                         quote(listed.name) + " has no text name");
                continue;
            }
            const auto data = preset.find("data");
            listed.presets.push_back(
                {name->get<std::string>(), data == preset.end() ? Json() : *data});
        }
        result.categories.push_back(std::move(listed));
    }
    result.ok = true;
    return result;
}

CollectionReadResult readPresetCollection(const fs::path &file)
{
    files::FileReadResult read = files::readRegularFile(file, kMaxCollectionBytes);
    if (!read) {
        CollectionReadResult result;
        result.missing = read.failure == files::ReadFailure::Missing;
        result.error = quote(file.string()) + " " + read.error;
        return result;
    }
    CollectionReadResult result = parsePresetCollection(read.bytes);
    if (!result)
        result.error = quote(file.string()) + ": " + result.error;
    return result;
}

PresetLibrary loadPresetLibrary(const fs::path &builtInFolder, const fs::path &userFolder)
{
    PresetLibrary library;
    auto note = [&](const CollectionReadResult &read) {
        for (const std::string &line : read.skipped)
            library.problems.push_back(line);
    };

    const CollectionReadResult builtIn = readPresetCollection(builtInFolder / kCollectionFileName);
    if (!builtIn) {
        library.failed = true;
        library.problems.push_back(builtIn.error);
        return library;
    }
    note(builtIn);
    library.categories = builtIn.categories;

    const CollectionReadResult user = readPresetCollection(userFolder / kCollectionFileName);
    if (!user) {
        if (!user.missing) {
            library.failed = true;
            library.problems.push_back(user.error);
        }
        return library;
    }
    note(user);
    for (PresetCategory category : user.categories) {
        category.source = PresetSource::User;
        library.categories.push_back(std::move(category));
    }
    return library;
}

PresetNameVerdict checkNewPresetNames(const std::vector<PresetCategory> &userCategories,
                                      bool newCategory, std::string_view category,
                                      std::string_view preset)
{
    // A category chosen from the file keeps the name it has there, whatever it holds.
    if (!isUsableName(preset) || (newCategory ? !isUsableName(category) : category.empty()))
        return PresetNameVerdict::Incorrect;
    const PresetCategory *target = nullptr;
    for (const PresetCategory &existing : userCategories) {
        if (existing.name == category) {
            target = &existing;
            break;
        }
    }
    if (newCategory)
        return target ? PresetNameVerdict::CategoryExists : PresetNameVerdict::Ok;
    if (target) {
        for (const PresetEntry &entry : target->presets) {
            if (entry.name == preset)
                return PresetNameVerdict::PresetExists;
        }
    }
    return PresetNameVerdict::Ok;
}

PresetSaveResult savePresetToCollection(const fs::path &file, bool newCategory,
                                        const std::string &category, const std::string &preset,
                                        const Json &blocks)
{
    PresetSaveResult result;
    Json categories = Json::array();
    files::FileReadResult read = files::readRegularFile(file, kMaxCollectionBytes);
    if (read) {
        json::ParseResult parsed = json::parseJson(read.bytes);
        if (!parsed || !parsed.value.is_array()) {
            result.status = PresetSaveStatus::Unreadable;
            result.error = quote(file.string()) + " cannot be read as a preset collection (" +
                           (parsed ? std::string("not a list of categories") : parsed.error) +
                           "); it is left as it is";
            return result;
        }
        categories = std::move(parsed.value);
    } else if (read.failure != files::ReadFailure::Missing) {
        result.status = PresetSaveStatus::Unreadable;
        result.error = quote(file.string()) + " " + read.error + "; it is left as it is";
        return result;
    }

    Json entry = Json::object();
    entry["name"] = preset;
    entry["data"] = blocks;
    if (newCategory) {
        Json added = Json::object();
        added["name"] = category;
        added["presets"] = Json::array({std::move(entry)});
        categories.push_back(std::move(added));
    } else {
        Json *target = findCategory(categories, category);
        if (!target) {
            result.status = PresetSaveStatus::NoSuchCategory;
            result.error = "there is no category " + quote(category) + " in " +
                           quote(file.string());
            return result;
        }
        (*target)["presets"].push_back(std::move(entry));
    }

    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const files::FileWriteResult written =
        files::writeFileReplacing(file, json::stringify(categories));
    if (!written) {
        result.status = PresetSaveStatus::WriteFailed;
        result.error = quote(file.string()) + " " + written.error;
        return result;
    }
    result.status = PresetSaveStatus::Saved;
    return result;
}

} // namespace vignetta::project
