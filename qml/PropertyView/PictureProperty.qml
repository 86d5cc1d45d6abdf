import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"
import "../Layouts"

// The editor of a picture block: which picture with which number, and its start and end
// state (position, scale, opacity, blend, rotation, colour tone).
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_picture
    holdApply: tone.pressed

    readonly property Palette pal: Palette {}

    function rounded(v, low, high) {
        return Math.max(low, Math.min(high, Math.round(v)))
    }

    // Takes the frames dragged or resized on the preview: the new positions, and factors by
    // which the stored scales grow. Positions and scales are kept whole and within the
    // editor's ranges; the result is one edit.
    function transformSetup(startX, startY, endX, endY, startScaleX, startScaleY, endScaleX,
                            endScaleY) {
        if (!blockMode || blockId < 0)
            return
        var v = object
        writeFields({
            "startPosition.x": rounded(startX, -9999, 9999),
            "startPosition.y": rounded(startY, -9999, 9999),
            "endPosition.x": rounded(endX, -9999, 9999),
            "endPosition.y": rounded(endY, -9999, 9999),
            "startScale.width": rounded(v.startScale.width * startScaleX, -2000, 2000),
            "startScale.height": rounded(v.startScale.height * startScaleY, -2000, 2000),
            "endScale.width": rounded(v.endScale.width * endScaleX, -2000, 2000),
            "endScale.height": rounded(v.endScale.height * endScaleY, -2000, 2000)
        }, "")
        loadGuarded(function () { editor.showPlacement(editor.object) })
    }

    function showPlacement(values) {
        startX.load(Math.round(values.startPosition.x))
        startY.load(Math.round(values.startPosition.y))
        startWidth.load(Math.round(values.startScale.width))
        startHeight.load(Math.round(values.startScale.height))
        endX.load(Math.round(values.endPosition.x))
        endY.load(Math.round(values.endPosition.y))
        endWidth.load(Math.round(values.endScale.width))
        endHeight.load(Math.round(values.endScale.height))
    }

    // A picture chosen in the selector: the preview loads it at once, and the block takes
    // its size.
    function assignImage(name) {
        var fields = { "imageName": name }
        if (mainView) {
            mainView.loadPicture(name)
            var size = mainView.getPictureSize(name)
            if (size) {
                fields["width"] = Math.round(size.width)
                fields["height"] = Math.round(size.height)
            }
        }
        if (writeFields(fields, "imageName"))
            changer.assignedImageName = name
    }

    onLoadValues: {
        imageBox.imageName = values.imageName
        number.load(values.imageIndex)
        origin.load(values.origin)
        rotation.load(Math.round(values.rotateSpeed))
        startOpacity.load(Math.round(values.startOpacity))
        blend.load(values.blend)
        endOpacity.load(Math.round(values.endOpacity))
        showPlacement(values)
        tone.load([Math.round(values.endColor.R), Math.round(values.endColor.G),
                   Math.round(values.endColor.B), Math.round(values.endColor.S)])
    }

    Component.onCompleted: {
        number.load(1)
        startWidth.load(100)
        startHeight.load(100)
        endWidth.load(100)
        endHeight.load(100)
        startOpacity.load(255)
        endOpacity.load(255)
    }

    GroupBox {
        objectName: "pictureGroup"
        width: 460
        title: qsTr("Picture")
        hint: qsTr("Picture to show.")
        enabled: editor.editEnabled

        Row {
            spacing: 16
            ObjSpinBox {
                id: number
                objectName: "imageIndex"
                label: qsTr("Number")
                hint: qsTr("Control number of the picture. Higher numbers are displayed on top.")
                controlWidth: 80
                minimumValue: 1
                maximumValue: 100
                onEdited: editor.writeField("imageIndex", value)
            }
            ObjImageEllipsisBox {
                id: imageBox
                objectName: "imageName"
                label: qsTr("Image")
                hint: qsTr("Image of the picture to be displayed.")
                subFolder: "pictures"
                controlWidth: 300
                onModified: editor.assignImage(imageName)
            }
        }
    }

    StateFrame {
        objectName: "startFrame"
        pal: editor.pal

        GroupBox {
            width: 444
            title: qsTr("Start Position")
            hint: qsTr("Starting display position of the picture.")
            enabled: editor.editEnabled

            Column {
                spacing: 6
                Row {
                    spacing: 12
                    ObjComboBox {
                        id: origin
                        objectName: "origin"
                        label: qsTr("Origin")
                        hint: qsTr("Origin point of the picture.")
                        controlWidth: 120
                        model: Vig.Constants.pictureOriginTypeArray
                        onEdited: editor.writeField("origin", index)
                    }
                    ObjSpinBox {
                        id: rotation
                        objectName: "rotateSpeed"
                        label: qsTr("Rotation speed")
                        hint: qsTr("Value by which to increase/decrease the angle. Positive values mean counterclockwise rotation.")
                        controlWidth: 80
                        minimumValue: -90
                        maximumValue: 90
                        onEdited: editor.writeField("rotateSpeed", value, "rotation")
                    }
                }
                Row {
                    spacing: 8
                    ObjSpinBox {
                        id: startX
                        objectName: "startX"
                        label: qsTr("X")
                        hint: qsTr("X coordinate of the picture.")
                        minimumValue: -9999
                        maximumValue: 9999
                        onEdited: editor.writeField("startPosition.x", value, "startPosition")
                    }
                    ObjSpinBox {
                        id: startY
                        objectName: "startY"
                        label: qsTr("Y")
                        hint: qsTr("Y coordinate of the picture.")
                        minimumValue: -9999
                        maximumValue: 9999
                        onEdited: editor.writeField("startPosition.y", value, "startPosition")
                    }
                    ObjSpinBox {
                        id: startWidth
                        objectName: "startWidth"
                        label: qsTr("Width")
                        hint: qsTr("Horizontal scale.")
                        suffix: " %"
                        minimumValue: -2000
                        maximumValue: 2000
                        onEdited: editor.writeField("startScale.width", value, "startScale")
                    }
                    ObjSpinBox {
                        id: startHeight
                        objectName: "startHeight"
                        label: qsTr("Height")
                        hint: qsTr("Vertical scale.")
                        suffix: " %"
                        minimumValue: -2000
                        maximumValue: 2000
                        onEdited: editor.writeField("startScale.height", value, "startScale")
                    }
                }
            }
        }

        GroupBox {
            width: 444
            title: qsTr("Start Blend")
            hint: qsTr("Settings related to the mixing of the screen and the image at start.")
            enabled: editor.editEnabled

            Row {
                spacing: 12
                ObjSpinBox {
                    id: startOpacity
                    objectName: "startOpacity"
                    label: qsTr("Opacity")
                    hint: qsTr("Opacity level of the picture.")
                    minimumValue: 0
                    maximumValue: 255
                    onEdited: editor.writeField("startOpacity", value, "startOpacity")
                }
                ObjComboBox {
                    id: blend
                    objectName: "blend"
                    label: qsTr("Blend Mode")
                    hint: qsTr("Blend mode used when the picture is drawn.")
                    controlWidth: startOpacity.controlWidth
                    model: Vig.Constants.blendModeArray
                    onEdited: editor.writeField("blend", index)
                }
            }
        }
    }

    StateFrame {
        objectName: "endFrame"
        pal: editor.pal

        GroupBox {
            width: 444
            title: qsTr("End Position")
            hint: qsTr("Display end position of the picture.")
            enabled: editor.editEnabled

            Row {
                spacing: 8
                ObjSpinBox {
                    id: endX
                    objectName: "endX"
                    label: qsTr("X")
                    hint: qsTr("X coordinate of the picture.")
                    minimumValue: -9999
                    maximumValue: 9999
                    onEdited: editor.writeField("endPosition.x", value, "endPosition")
                }
                ObjSpinBox {
                    id: endY
                    objectName: "endY"
                    label: qsTr("Y")
                    hint: qsTr("Y coordinate of the picture.")
                    minimumValue: -9999
                    maximumValue: 9999
                    onEdited: editor.writeField("endPosition.y", value, "endPosition")
                }
                ObjSpinBox {
                    id: endWidth
                    objectName: "endWidth"
                    label: qsTr("Width")
                    hint: qsTr("Horizontal scale.")
                    suffix: " %"
                    minimumValue: -2000
                    maximumValue: 2000
                    onEdited: editor.writeField("endScale.width", value, "endScale")
                }
                ObjSpinBox {
                    id: endHeight
                    objectName: "endHeight"
                    label: qsTr("Height")
                    hint: qsTr("Vertical scale.")
                    suffix: " %"
                    minimumValue: -2000
                    maximumValue: 2000
                    onEdited: editor.writeField("endScale.height", value, "endScale")
                }
            }
        }

        GroupBox {
            width: 444
            title: qsTr("End Blend")
            hint: qsTr("Settings related to the mixing of the screen and the image at end.")
            enabled: editor.editEnabled

            ObjSpinBox {
                id: endOpacity
                objectName: "endOpacity"
                label: qsTr("Opacity")
                hint: qsTr("Opacity level of the picture.")
                minimumValue: 0
                maximumValue: 255
                onEdited: editor.writeField("endOpacity", value, "endOpacity")
            }
        }

        GroupBox {
            width: 444
            title: qsTr("Color Tone")
            hint: qsTr("Specify how to change the color.")
            enabled: editor.editEnabled

            Layout_ColorTone {
                id: tone
                objectName: "colorTone"
                readonly property var paths: ["endColor.R", "endColor.G", "endColor.B", "endColor.S"]
                onValueEdited: editor.writeField(paths[row], value, "endColor")
                onToneEdited: editor.writeFields({
                    "endColor.R": value1, "endColor.G": value2,
                    "endColor.B": value3, "endColor.S": value4
                }, "endColor")
            }
        }
    }
}
