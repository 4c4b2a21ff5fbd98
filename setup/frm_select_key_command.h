#pragma once
// The small dialog in which the user picks the command for a key of one
// group; its last choice, "キー不使用", frees the key.

#include <QDialog>
#include <QString>
#include <cstdint>

#include "bindings/vocabulary.h"

class QComboBox;
class QPushButton;

namespace vantor {

// The form names are kept from the original design.
class frmSelectKeyCommand : public QDialog {
    Q_OBJECT
  public:
    // Escape and the close box.
    void reject() override;

    explicit frmSelectKeyCommand(QWidget* parent = nullptr);

    // Fills the list with the group's captions and "キー不使用", showing the first.
    void SetTypeState(CommandGroup group);
    void SetHideState(int16_t state) { hideState_ = state; }
    int16_t GetHideState() const { return hideState_; }

    // The chosen command name (KEY_NOT_USE for "キー不使用").
    QString GetKeyCommand() const { return keyCommand_; }
    // The chosen caption, trimmed.
    QString GetKeyTitle() const;
    // Command name of a caption of this dialog's group, KEY_NOT_USE or "Error".
    QString GetCommand(const QString& caption) const;

    QComboBox* cmbCommand() const { return cmbCommand_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

  private:
    void cmbCommand_Click();

    CommandGroup group_ = CommandGroup::View;
    int16_t hideState_ = -999;
    QString keyCommand_;
    QComboBox* cmbCommand_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace vantor
