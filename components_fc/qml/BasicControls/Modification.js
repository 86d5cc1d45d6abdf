.pragma library

// A control reports that the user changed something by notifying the nearest ancestor that
// accepts modification notices (a dialog's content area, which then enables Apply).
// Returns whether an ancestor took the notice.
function notify(item) {
    for (var p = item ? item.parent : null; p; p = p.parent) {
        if (p.acceptsModificationNotice === true && typeof p.notifyModified === "function") {
            p.notifyModified()
            return true
        }
    }
    return false
}
