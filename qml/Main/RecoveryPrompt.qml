import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import Vignetta.Recovery 1.0
import "../../components_fc/qml/BasicControls"

// Crash recovery of the scene, as the window sees it: the question whether to bring back the
// scene left by an earlier run when a project opens, and the recovery file kept up to date after
// every edit (RecoveryManager). The window reports `warning` messages and calls discard() once
// the user has let the scene go ("New Timeline", "Exit").
Item {
    id: root

    property bool projectOpened: false
    property string projectFileUrl: ""
    readonly property alias manager: recovery

    signal warning(string message)

    function discard() { recovery.discard() }

    RecoveryManager {
        id: recovery
        objectName: "recoveryManager"
        scene: Vig.TimelineDataManager
        onWarning: root.warning(message)
        onRestoreOffered: {
            question.message = qsTr("Restore the scene that was open when Vignetta last stopped? (%1, %n blocks)",
                                    "", blockCount).arg(savedAt)
            question.open()
        }
        onStateChanged: if (!restorePending) question.close()
    }

    // The project is given up before the next one resets the scene, so that the reset is
    // never written over the old project's file; a new project is taken on only after the
    // window has reset its scene.
    onProjectOpenedChanged: {
        if (!projectOpened) {
            recovery.projectClosed()
            return
        }
        Qt.callLater(function() {
            if (root.projectOpened)
                recovery.projectOpened(root.projectFileUrl)
        })
    }

    // As with every question of the window, the answer is acted on 1 ms after the box closes.
    property var pendingAnswer: null
    Timer {
        id: answerTimer
        interval: 1
        onTriggered: {
            var answer = root.pendingAnswer
            root.pendingAnswer = null
            if (answer)
                answer()
        }
    }
    function answerLater(answer) {
        pendingAnswer = answer
        answerTimer.restart()
    }

    MessageBox {
        id: question
        objectName: "restoreBox"
        title: Vig.Constants.applicationTitle
        iconType: "question"
        useYesNo: true
        onYes: root.answerLater(function() { recovery.restore() })
        onNo: root.answerLater(function() { recovery.decline() })
        // Closed without an answer: the scene is neither brought back nor thrown away, so the
        // question comes again.
        onCancel: root.answerLater(function() {
            if (recovery.restorePending)
                question.open()
        })
    }
}
