import QtQml 2.15

// The look state of a block or marker item.
QtObject {
    property bool enabled: true
    property bool hovered: false
    property bool pressed: false
    property bool checked: false
    property bool dragging: false
}
