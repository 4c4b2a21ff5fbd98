#include "frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <QCoreApplication>
#include "about_box.h"
#include "detail_panel.h"
#include "keyboard_panel.h"
#include "language.h"
#include "mouse_rows_panel.h"
#include "setup_prompt.h"
#include "setup_shared.h"

namespace vantor {
namespace {

const char* const kTabCaptions[] = {
    QT_TRANSLATE_NOOP("vantor::frmMain", "ビュー操作"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "キーコマンド"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "データ操作"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "寸法測定作成"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "部品の操作"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "その他の操作"),
    QT_TRANSLATE_NOOP("vantor::frmMain", "詳細設定"),
};

const char* const kLegendNames[] = {"lblKey1", "lblData0", "lblDim0", "lblParts0"};

QString PleaseSelectKeyText() {
    return QCoreApplication::translate(
        "vantor::frmMain",
        "キーボタンを押すとウィンドウが現れます。コンボボックスからコマンドを選択して下さい");
}

QString ViewTabHelpText() {
    return QCoreApplication::translate(
        "vantor::frmMain",
        "　画面を一定の割合で移動、回転するキーを設定します。また回転中心の設定、"
        "測定座標系の設定を行います。");
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), dateSource_(Today) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Vantor3D 設定"));
    BuildWidgets();
    BuildMenus();
    ResetForm();
    RefreshMouseRows();
    RestorePlacement();
}

frmMain::~frmMain() = default;

void frmMain::BuildWidgets() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    keyboard_ = new KeyboardPanel(central);
    connect(keyboard_, &KeyboardPanel::KeyClicked, this, &frmMain::cmdKey_Click);
    layout->addWidget(keyboard_);

    auto* lower = new QHBoxLayout;
    SSTab1_ = new QTabWidget(central);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));

    auto* mouseTab = new QWidget(SSTab1_);
    auto* mouseLayout = new QVBoxLayout(mouseTab);
    lblPleaseSelectKey_[0] = WrappedLabel(PleaseSelectKeyText(), mouseTab);
    mouseRows_ = new MouseRowsPanel(mouseTab);
    connect(mouseRows_, &MouseRowsPanel::RowTouched, this, &frmMain::RefreshMouseRows);
    mouseLayout->addWidget(mouseRows_);
    mouseLayout->addWidget(lblPleaseSelectKey_[0]);
    mouseLayout->addStretch(1);
    SSTab1_->addTab(mouseTab, QString());

    for (int g = 1; g <= kCommandGroupCount; ++g) {
        SSTab1_->addTab(BuildGroupTab(static_cast<CommandGroup>(g)), QString());
    }
    SSTab1_->addTab(new QWidget(SSTab1_), QString());
    detail_ = new DetailPanel(SSTab1_);
    SSTab1_->addTab(detail_, QString());
    lower->addWidget(SSTab1_, 3);

    auto* right = new QVBoxLayout;
    RichTextBox1_ = new QPlainTextEdit(central);
    RichTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichTextBox1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    right->addWidget(RichTextBox1_, 1);
    auto* buttons = new QHBoxLayout;
    cmdMakeConfig_ = new QPushButton(tr("設定ファイル作成"), central);
    cmdMakeConfig_->setObjectName(QStringLiteral("cmdMakeConfig"));
    cmdPrintForm_ = new QPushButton(tr("ﾌｫｰﾑ印刷"), central);
    cmdPrintForm_->setObjectName(QStringLiteral("cmdPrintForm"));
    cmdOK_ = new QPushButton(QStringLiteral("OK"), central);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_ = new QPushButton(tr("キャンセル"), central);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdMakeConfig_);
    buttons->addWidget(cmdPrintForm_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    right->addLayout(buttons);
    lower->addLayout(right, 2);
    layout->addLayout(lower, 1);

    connect(cmdMakeConfig_, &QPushButton::clicked, this, &frmMain::cmdMakeConfig_Click);
    connect(cmdPrintForm_, &QPushButton::clicked, this, &frmMain::cmdPrintForm_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);

    setCentralWidget(central);
    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName(QStringLiteral("sbStatusBarPanel1"));
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->addWidget(statusPanel1_, 1);
}

QWidget* frmMain::BuildGroupTab(CommandGroup group) {
    const int g = static_cast<int>(group);
    auto* tab = new QWidget(SSTab1_);
    auto* layout = new QVBoxLayout(tab);
    auto* top = new QHBoxLayout;
    QLabel* legend = new QLabel(tab);
    legend->setObjectName(QString::fromLatin1(kLegendNames[g - 1]));
    legend->setFixedSize(28, 28);
    legend->setFrameShape(QFrame::Box);
    legend->setAutoFillBackground(true);
    QPalette palette = legend->palette();
    palette.setColor(QPalette::Window, OwnerColour(OwnerOfGroup(group)));
    legend->setPalette(palette);
    legends_[g - 1] = legend;
    const QString help =
        group == CommandGroup::View ? ViewTabHelpText() : ShownCaption(GroupExplanation(group));
    top->addWidget(legend, 0, Qt::AlignTop);
    top->addWidget(WrappedLabel(help, tab), 1);
    layout->addLayout(top);
    lblPleaseSelectKey_[g] = WrappedLabel(PleaseSelectKeyText(), tab);
    layout->addWidget(lblPleaseSelectKey_[g]);
    layout->addStretch(1);
    return tab;
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    QAction* open = file->addAction(tr("Open"));
    open->setObjectName(QStringLiteral("mnuFileOpen"));
    connect(open, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    QAction* save = file->addAction(tr("Save"));
    save->setObjectName(QStringLiteral("mnuFileSave"));
    connect(save, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    QMenu* help = menuBar()->addMenu(tr("ヘルプ(&H)"));
    QAction* about = help->addAction(tr("About"));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(about, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    help->addSeparator();
    AddLanguageMenu(help, ChosenLanguage(QSettings()), [](const QString& language) {
        QSettings store;
        SaveLanguage(store, language);
    });
}

void frmMain::ResetForm() {
    for (int i = 0; i < SSTab1_->count(); ++i) SSTab1_->setTabText(i, tr(kTabCaptions[i]));
    for (QLabel* hint : lblPleaseSelectKey_) hint->setText(PleaseSelectKeyText());
    statusPanel1_->setText(dataName_.isEmpty() ? QStringLiteral(" Vantor3D") : dataName_);
    mouseRows_->ResetRows();
    detail_->ResetRows();
}

void frmMain::SetDataName(const QString& name) {
    dataName_ = name;
    statusPanel1_->setText(name);
}

QString frmMain::GetMouseCommand(const QString& caption) const {
    return QString::fromStdString(vantor::GetMouseCommand(caption.toStdString()));
}

QString frmMain::GetMouseTitle(const QString& name) const {
    return QString::fromStdString(vantor::GetMouseTitle(name.toStdString()));
}

void frmMain::mnuFileOpen_Click() {
    const QString path =
        AskFileName(FileQuestion::Kind::Open, tr("データの選択"), Shared().programFolder,
                    QStringLiteral("Vantor3D (*.cfg)|*.cfg|Text(*.txt)|*.txt|All(*.*)|*.*"));
    if (path.isEmpty()) return;
    SetDataName(path);
    OpenData();
}

void frmMain::mnuFileSave_Click() {
    const QString path =
        AskFileName(FileQuestion::Kind::Save, tr("データを保存"), Shared().programFolder,
                    tr("設定 (*.cfg)|*.cfg|Text(*.txt)|*.txt|All(*.*)|*.*"));
    if (path.isEmpty()) return;
    cmdMakeConfig_Click();
    if (!WriteConfigFile(path, configText_)) {
        CurrentPrompt().ShowMessage(
            tr("他のアプリケーションがファイルを使用しています。").toStdString(),
            tr("コピー不可").toStdString(), PromptButtons::OkCancel, PromptIcon::Exclamation);
    }
}

void frmMain::cmdPrintForm_Click() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The dialog set the copies on the printer it was given.
    const QPixmap image = grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

void frmMain::mnuHelpAbout_Click() {
    AboutBox about(this);
    about.exec();
}

void frmMain::cmdOK_Click() {
    SetHideState(hide_state::Ok);
    hide();
    emit Finished();
}

void frmMain::cmdCancel_Click() {
    SetHideState(hide_state::Cancel);
    hide();
    emit Finished();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (hideState_ != hide_state::Ok && hideState_ != hide_state::Cancel) {
        ShowWarning(QStringLiteral("Error about DoCloseingManagement"), QStringLiteral("Check"));
    }
    event->accept();
    emit Finished();
}

void frmMain::Unload() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
    if (isMinimized()) return;
    QSettings settings(QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("MainLeft"), x());
    settings.setValue(QStringLiteral("MainTop"), y());
    settings.setValue(QStringLiteral("MainWidth"), width());
    settings.setValue(QStringLiteral("MainHeight"), height());
}

void frmMain::RestorePlacement() {
    ResizeWithinScreen(sizeHint());
    QSettings settings(QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    settings.beginGroup(QStringLiteral("Settings"));
    if (!settings.contains(QStringLiteral("MainWidth"))) return;
    const QRect stored(settings.value(QStringLiteral("MainLeft")).toInt(),
                       settings.value(QStringLiteral("MainTop")).toInt(),
                       settings.value(QStringLiteral("MainWidth")).toInt(),
                       settings.value(QStringLiteral("MainHeight")).toInt());
    // A place on a screen that is no longer there would hide the window.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(stored)) {
            ResizeWithinScreen(stored.size());
            move(stored.topLeft());
            return;
        }
    }
}

void frmMain::ResizeWithinScreen(QSize wanted) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Leave room for the window frame, which the size does not count.
        const QSize room = screen->availableGeometry().size() - QSize(16, 40);
        wanted = wanted.boundedTo(room).expandedTo(minimumSizeHint());
    }
    resize(wanted);
}

}  // namespace vantor
