#pragma once
// One undo step of a document: an edit of its scene, kept as the places it
// touched before and after (SceneChange). Every kind of edit records itself
// the same way: Touch the places, edit, Finish, then CKorvaldeDoc::RecordEdit.

#include <QUndoCommand>

#include "scene/scene_change.h"

namespace vantor {

class CKorvaldeDoc;

class SceneEditCommand : public QUndoCommand {
  public:
    // The edit has been made already: the first redo leaves the scene alone.
    SceneEditCommand(CKorvaldeDoc& doc, const QString& text, SceneChange change);

    void undo() override;
    void redo() override;

  private:
    CKorvaldeDoc& doc_;
    SceneChange change_;
    bool made_ = true;
};

}  // namespace vantor
