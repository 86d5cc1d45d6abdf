import QtQuick 2.15
import Vignetta.Project 1.0
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"

// A cell of a picture of the open project's "img" folder: `subFolder` ("faces", "pictures")
// and `imageName` (without ".png"). An empty name, a missing file or a name that would lead
// outside the folder shows nothing.
ImageClip {
    property string imageName: ""
    property string subFolder: ""

    source: imageName === "" ? ""
                             : AssetFiles.fileUrl(AssetFiles.folderUrl(DataManager.projectUrl,
                                                                       "img/" + subFolder),
                                                  imageName, "png")
}
