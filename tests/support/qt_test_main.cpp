// The one main of a Qt test program: one QApplication for its tests, made
// as the first test that needs it starts, and the user's own settings and
// data out of reach.

#include "support/qt_test_main.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

namespace vantor::testing {
namespace {

std::set<std::string>& FilesWithoutApplication() {
    static std::set<std::string> files;
    return files;
}

class ApplicationMaker : public ::testing::EmptyTestEventListener {
  public:
    ApplicationMaker(int& argc, char** argv) : argc_(argc), argv_(argv) {}
    void OnTestStart(const ::testing::TestInfo& test) override {
        if (!app_ && !FilesWithoutApplication().count(test.file()))
            app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void Finish() { app_.reset(); }

  private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

bool RunWithoutApplication(const char* file) {
    return FilesWithoutApplication().insert(file).second;
}

}  // namespace vantor::testing

int main(int argc, char** argv) {
    // The build lists the tests without any display; the off-screen
    // platform serves that listing (the test run itself has an X server).
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userHome;
    qputenv("XDG_CONFIG_HOME", (userHome.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (userHome.path() + "/data").toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ::testing::InitGoogleTest(&argc, argv);
    auto* maker = new vantor::testing::ApplicationMaker(argc, argv);  // the listeners own it
    ::testing::UnitTest::GetInstance()->listeners().Append(maker);
    const int result = RUN_ALL_TESTS();
    maker->Finish();
    return result;
}
