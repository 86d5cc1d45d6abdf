#pragma once

#include <string>
#include <string_view>

namespace vignetta::assets {

// The parts of an asset file name that the asset lists sort and show by. Blocks refer to an
// asset by its base name, so two files that differ only in their suffix are one asset.
struct AssetName
{
    std::string fileName; // as found on disk, with its suffix
    std::string baseName; // up to the last dot; the whole name without a dot or with only a
                          // leading dot (".hidden")
    std::string suffix;   // after that dot; empty when the base name is the whole name
    std::string prefix;   // the leading run of '!' and '$' of the base name
    std::string nodeName; // the base name without that prefix and without its trailing digits
    std::string digits;   // the trailing digits of the base name, as written ("" for none)

    // The trailing digits as a number (0 without digits; very long runs saturate).
    double number() const;
};

AssetName splitAssetName(std::string_view fileName);

// Compares two digit strings as the whole numbers they write, of any length ("" is 0).
int compareDigits(std::string_view a, std::string_view b);

// The order of an asset list: prefix, then name, then number (as a number), then suffix, text
// compared character by character. So "Door2" < "Door10" < "!Door2" < "$Lamp": names without a
// prefix come first, and '!' sorts before '$'. Names equal in all four keep a fixed order by
// file name.
bool assetLess(const AssetName &a, const AssetName &b);

} // namespace vignetta::assets
