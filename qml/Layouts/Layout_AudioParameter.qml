import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// One audio parameter (volume, pitch or pan): a slider above a spin box, sharing range and
// step. changed() is raised whenever the value changes after the group has been built.
GroupBox {
    id: root

    property string hint: ""
    property int minimumValue: 0
    property int maximumValue: 100
    property int stepSize: 1
    property real tickSpacing: 10
    property string suffix: ""
    property alias value: spin.value
    property int controlWidth: 120

    signal changed()

    QtObject {
        id: internal
        property bool built: false
        property bool syncing: false
    }
    Component.onCompleted: internal.built = true

    Column {
        spacing: 4

        QQC1.Slider {
            id: slider
            objectName: "slider"
            width: root.controlWidth - root.padding * 2
            height: root.pal.controlHeight
            minimumValue: root.minimumValue
            maximumValue: root.maximumValue
            stepSize: root.stepSize
            tickmarksEnabled: true
            activeFocusOnPress: true
            value: spin.value
            style: FieldSliderStyle { pal: root.pal; tickSpacing: root.tickSpacing }
            onValueChanged: {
                if (!internal.syncing && (pressed || activeFocus))
                    spin.value = value
            }
        }

        FieldSpinBox {
            id: spin
            objectName: "spinBox"
            width: 100
            height: root.pal.controlHeight
            minimumValue: root.minimumValue
            maximumValue: root.maximumValue
            stepSize: root.stepSize
            suffix: root.suffix
            decimals: 0
            style: FieldSpinBoxStyle { pal: root.pal }
            onValueChanged: {
                internal.syncing = true
                slider.value = value
                internal.syncing = false
                if (internal.built && !holdsTypedValue)
                    root.changed()
            }
            onTypingFinished: if (internal.built) root.changed()
        }
    }
}
