import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"

// A label, a slider and a spin box side by side editing one whole number. The slider moves in
// `stepSize`, the spin box in steps of 1; both clamp to the same range. load() shows a value
// without reporting it; a change by the user emits edited(value). `pressed` is true while the
// slider is held, so that a drag can count as one edit.
Row {
    id: root

    property string label: ""
    property string hint: ""
    property int labelWidth: 70
    property int sliderWidth: 160
    property int spinWidth: 80
    property int minimumValue: 0
    property int maximumValue: 100
    property int stepSize: 1
    property real tickSpacing: 0
    readonly property alias value: spin.value
    readonly property alias pressed: slider.pressed
    property Palette pal: Palette {}

    signal edited(int value)

    function load(v) {
        var wasLoading = internal.loading
        internal.loading = true
        spin.value = v
        slider.value = spin.value
        internal.loading = wasLoading
    }

    spacing: 8
    height: pal.controlHeight

    Component.onCompleted: internal.loading = false

    QtObject {
        id: internal
        // Nothing is reported before the control is built: setting up its range moves it.
        property bool loading: true

        function userSet(v) {
            if (loading)
                return
            loading = true
            spin.value = Math.round(v)
            slider.value = spin.value
            loading = false
            root.edited(spin.value)
        }
    }

    ControlLabel {
        width: Math.max(root.labelWidth, implicitWidth)
        text: root.label
        pal: root.pal
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    QQC1.Slider {
        id: slider
        objectName: "slider"
        width: root.sliderWidth
        height: root.pal.controlHeight
        minimumValue: root.minimumValue
        maximumValue: root.maximumValue
        stepSize: root.stepSize
        activeFocusOnPress: true
        tickmarksEnabled: root.tickSpacing > 0
        style: FieldSliderStyle { pal: root.pal; tickSpacing: root.tickSpacing }
        onValueChanged: internal.userSet(value)
    }

    FieldSpinBox {
        id: spin
        objectName: "spinBox"
        width: root.spinWidth
        height: root.pal.controlHeight
        minimumValue: root.minimumValue
        maximumValue: root.maximumValue
        decimals: 0
        stepSize: 1
        style: FieldSpinBoxStyle { pal: root.pal }
        onValueChanged: if (!holdsTypedValue) internal.userSet(value)
        onTypingFinished: internal.userSet(value)
    }
}
