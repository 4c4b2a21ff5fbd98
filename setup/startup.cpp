#include "startup.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "frm_main.h"
#include "setup_shared.h"

namespace vantor {

std::unique_ptr<frmMain> CreateMainWindow(const QStringList& arguments) {
    SetupShared& shared = Shared();
    shared.versionText = VersionText();
    shared.programFolder = QCoreApplication::applicationDirPath();

    auto window = std::make_unique<frmMain>();
    window->SetHideState(hide_state::Shown);
    // The viewer passes the path unquoted; a shell may have split it at blanks.
    const QString dataName = arguments.join(u' ');
    if (!dataName.isEmpty()) {
        shared.dataFileName = dataName;
        window->SetDataName(dataName);
        window->OpenData();
    }
    return window;
}

int RunTessmaran(const QStringList& arguments) {
    std::unique_ptr<frmMain> window = CreateMainWindow(arguments);
    QEventLoop loop;
    QObject::connect(window.get(), &frmMain::Finished, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
    window->Unload();
    return 0;
}

}  // namespace vantor
