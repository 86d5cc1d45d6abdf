#include "property/property_registration.h"

#include <QtQml>

#include "property/asset_file_list.h"
#include "property/asset_files.h"
#include "property/color_tone_preview_item.h"
#include "property/editor_values.h"
#include "property/image_cell_grid_object.h"
#include "property/property_changer.h"

namespace vignetta::property {

void registerPropertyTypes()
{
    const char *uri = "Vignetta.Property";
    qmlRegisterType<AssetFileList>(uri, 1, 0, "AssetFileList");
    qmlRegisterType<PropertyChanger>(uri, 1, 0, "PropertyChanger");
    qmlRegisterType<ImageCellGridObject>(uri, 1, 0, "ImageCellGrid");
    qmlRegisterType<ColorTonePreviewItem>(uri, 1, 0, "ColorTonePreviewPainter");
    qmlRegisterSingletonType<AssetFiles>(
        uri, 1, 0, "AssetFiles",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new AssetFiles; });
    qmlRegisterSingletonType<EditorValues>(
        uri, 1, 0, "EditorValues",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new EditorValues; });
}

} // namespace vignetta::property
