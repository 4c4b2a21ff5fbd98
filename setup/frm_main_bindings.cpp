// The binding side of the editor: key clicks, the mouse rows, the keyboard
// refresh, reading a binding file and building its text.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTabWidget>

#include "bindings/read_config.h"
#include "frm_main.h"
#include "frm_select_key_command.h"
#include "keyboard_panel.h"
#include "mouse_rows_panel.h"
#include "setup_prompt.h"
#include "setup_shared.h"

namespace vantor {
namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

bool HasKey(const CCommand& keySlot) {
    return KeyIndexForName(keySlot.m_sCommand) != kNoKeyIndex;
}

void SetBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

}  // namespace

bool frmMain::OpenData() {
    QFile file(dataName_);
    const bool readable = QFileInfo(dataName_).isFile() && file.open(QIODevice::ReadOnly);
    const QByteArray bytes = readable ? file.readAll() : QByteArray();

    ResetForm();
    bindings_ = SetupBindings();
    configText_.clear();
    if (!readable) {
        RichTextBox1_->clear();
        RefreshMouseRows();
        ReportUnreadableFile(dataName_);
        return false;
    }
    RichTextBox1_->setPlainText(QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), "\n"));
    const int dropped = bindings_.ApplyConfigText(std::string_view(bytes.data(), bytes.size()));
    ShowMouseRowsFromModel();
    RefreshMouseRows();
    if (dropped > 0) {
        ShowWarning(tr("Info ノードが多すぎます。最初の %1 個だけを読み込みました。")
                        .arg(CReadConfig::kEntryCount),
                    tr("注意"));
    }
    return true;
}

void frmMain::ReportUnreadableFile(const QString& path) {
    ShowWarning(tr("設定ファイルを読み込めません。\n%1").arg(path), tr("注意"));
}

void frmMain::ShowMouseRowsFromModel() {
    for (int row = 0; row < kMouseRowCount; ++row) {
        mouseRows_->ShowButtonCaption(
            row, GetMouseTitle(FromStd(bindings_.mouse.m_mmaMouse[row].m_sCommand)));
        const CCommand& key = bindings_.mouse.m_mmaKey[row];
        mouseRows_->chkMouseMove(row)->setChecked(HasKey(key));
        mouseRows_->lblMouseMoveKey(row)->setText(HasKey(key) ? ShownCaption(key.m_sTitleNow)
                                                              : QString());
    }
}

void frmMain::RefreshMouseRows() {
    const int selected = mouseRows_->SelectedRow();
    const QColor titleColour = palette().color(QPalette::Window);
    const QColor comboColour = palette().color(QPalette::Base);
    for (int row = 0; row < kMouseRowCount; ++row) {
        const bool enabled = row == selected;
        mouseRows_->cmbMouseMove(row)->setEnabled(enabled);
        mouseRows_->chkMouseMove(row)->setEnabled(enabled);
        mouseRows_->lblMouseMoveKey(row)->setEnabled(enabled);

        const QString caption = mouseRows_->ButtonCaption(row);
        const bool mayHoldKey =
            mouseRows_->chkMouseMove(row)->isChecked() &&
            caption != QString::fromUtf8(kMouseNotUseCaption.data(), kMouseNotUseCaption.size());
        bindings_.SetMouseButton(row, GetMouseCommand(caption).toStdString());
        if (!mayHoldKey) {
            bindings_.ClearMouseKey(row);
            mouseRows_->chkMouseMove(row)->setChecked(false);
        }
        const CCommand& key = bindings_.mouse.m_mmaKey[row];
        QLabel* keyLabel = mouseRows_->lblMouseMoveKey(row);
        keyLabel->setText(HasKey(key) ? ShownCaption(key.m_sTitleNow) : QString());
        SetBackground(keyLabel, mayHoldKey ? comboColour : titleColour);
        SetBackground(mouseRows_->lblMouseMoveTitle(row),
                      keyLabel->text().isEmpty() ? titleColour : MouseColour());
    }
    RefreshKeyboard();
}

void frmMain::RefreshKeyboard() {
    bindings_.RefreshMouseKeys();
    for (int i = 0; i < kKeyCount; ++i) {
        const CCommand& slot = bindings_.view.m_mmaKeyCommand[i];
        const std::string& caption =
            slot.m_iStatus == key_owner::Free ? slot.m_sTitleDefault : slot.m_sTitleNow;
        keyboard_->ShowKey(i, ShownCaption(caption), slot.m_iStatus);
    }
}

void frmMain::cmdKey_Click(int index) {
    if (index < 0 || index >= kKeyCount) return;
    const int tab = SSTab1_->currentIndex();
    if (tab == main_tab::Mouse) {
        ClickKeyOnMouseTab(index);
    } else if (tab >= 1 && tab <= kCommandGroupCount) {
        ClickKeyOnGroupTab(static_cast<CommandGroup>(tab), index);
    }
}

void frmMain::ClickKeyOnMouseTab(int index) {
    const int16_t owner = bindings_.KeyOwner(index);
    if (owner != key_owner::Free && owner != key_owner::Mouse) return;
    const int row = mouseRows_->SelectedRow();
    if (mouseRows_->chkMouseMove(row)->isChecked() &&
        mouseRows_->ButtonCaption(row) !=
            QString::fromUtf8(kMouseNotUseCaption.data(), kMouseNotUseCaption.size())) {
        bindings_.SetMouseKey(row, index);
    }
    RefreshMouseRows();
}

void frmMain::ClickKeyOnGroupTab(CommandGroup group, int index) {
    const int16_t owner = bindings_.KeyOwner(index);
    if (owner != key_owner::Free && owner != OwnerOfGroup(group)) return;
    frmSelectKeyCommand dialog(this);
    const std::string_view caption = GroupCaption(group);
    dialog.setWindowTitle(ShownCaption(caption));
    dialog.SetTypeState(group);
    dialog.SetHideState(hide_state::Shown);
    dialog.exec();
    if (dialog.GetHideState() == hide_state::Ok) {
        bindings_.BindKey(group, index, dialog.GetKeyCommand().toStdString());
    }
    RefreshKeyboard();
}

void frmMain::cmdMakeConfig_Click() {
    configText_ = bindings_.MakeConfigText(dateSource_());
    ShowConfigText();
}

void frmMain::ShowConfigText() {
    RichTextBox1_->setPlainText(FromStd(configText_).replace(QStringLiteral("\r\n"), "\n"));
}

bool frmMain::WriteConfigFile(const QString& path, const std::string& text) {
    // The old file stays as it was unless the new text is complete on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vantor
