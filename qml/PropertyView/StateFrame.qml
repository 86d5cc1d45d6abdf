import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The rounded frame round the groups of one state (start or end) of a picture: the groups
// stand 8 pixels from its edges and 8 pixels apart.
Rectangle {
    id: root

    default property alias content: column.data
    property Palette pal: Palette {}

    width: 460
    height: column.height + 16
    radius: 6
    color: "transparent"
    border.color: pal.groupBoxFrame

    Column {
        id: column
        x: 8
        y: 8
        width: root.width - 16
        spacing: 8
    }
}
