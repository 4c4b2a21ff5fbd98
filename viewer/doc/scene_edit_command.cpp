#include "doc/scene_edit_command.h"

#include "doc/korvalde_doc.h"

namespace vantor {

SceneEditCommand::SceneEditCommand(CKorvaldeDoc& doc, const QString& text, SceneChange change)
    : QUndoCommand(text), doc_(doc), change_(std::move(change)) {}

void SceneEditCommand::undo() {
    change_.Restore(doc_.Scene(), false);
    emit doc_.SceneEdited();  // rows come and go without refitting the camera
    emit doc_.SceneChanged();
}

void SceneEditCommand::redo() {
    if (made_) {
        made_ = false;
        return;
    }
    change_.Restore(doc_.Scene(), true);
    emit doc_.SceneEdited();
    emit doc_.SceneChanged();
}

}  // namespace vantor
