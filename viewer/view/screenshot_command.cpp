#include "view/screenshot_command.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "import/model_import.h"
#include "prompt/prompt.h"
#include "render/camera.h"
#include "render/headless_context.h"
#include "render/render_settings.h"
#include "render/scene_renderer.h"
#include "vrml_read/vrml_reader.h"

namespace {

struct ScreenshotRequest {
    QString output;
    QString input;
    int width = 800;
    int height = 600;
    int32_t displayMode = vantor::kDisplayShaded;
    int32_t projection = vantor::kProjectionPerspective;
};

const char* const kUsage =
    "usage: korvalde --screenshot OUT.png [--size WxH] [--mode shaded|hlr|hidden|wire] "
    "[--projection persp|ortho] FILE\n";

bool ParseSize(const char* text, int& width, int& height) {
    int w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(text, "%dx%d%c", &w, &h, &tail) != 2) return false;
    if (w < 1 || h < 1 || w > 8192 || h > 8192) return false;
    width = w, height = h;
    return true;
}

bool ParseMode(const std::string& text, int32_t& mode) {
    const char* names[] = {"shaded", "hlr", "hidden", "wire"};
    for (int m = 0; m < 4; ++m)
        if (text == names[m]) return mode = m, true;
    return false;
}

bool Parse(int argc, char** argv, ScreenshotRequest& request) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--screenshot" && hasValue) {
            request.output = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--size" && hasValue) {
            if (!ParseSize(argv[++i], request.width, request.height)) return false;
        } else if (arg == "--mode" && hasValue) {
            if (!ParseMode(argv[++i], request.displayMode)) return false;
        } else if (arg == "--projection" && hasValue) {
            const std::string value = argv[++i];
            if (value == "persp")
                request.projection = vantor::kProjectionPerspective;
            else if (value == "ortho")
                request.projection = vantor::kProjectionOrthographic;
            else
                return false;
        } else if (arg.rfind("--", 0) == 0 || !request.input.isEmpty()) {
            return false;
        } else {
            request.input = QString::fromLocal8Bit(argv[i]);
        }
    }
    return !request.output.isEmpty() && !request.input.isEmpty();
}

}  // namespace

bool IsScreenshotRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0) return true;
    return false;
}

int RunScreenshotCommand(int argc, char** argv) {
    ScreenshotRequest request;
    if (!Parse(argc, argv, request)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // No window is shown, so no display is needed; fonts still come from Qt.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    vantor::StderrPrompt prompt;
    const QString logPath = QDir::temp().filePath(QStringLiteral("korvalde_screenshot.log"));
    vantor::VrmlReader scene;
    if (vantor::ReadModelFile(scene, request.input.toStdString(), prompt, logPath.toStdString()) !=
        1) {
        std::fprintf(stderr, "korvalde: %s was not read\n", qPrintable(request.input));
        return 1;
    }

    vantor::HeadlessContext context;
    if (!context.Create(request.width, request.height)) {
        std::fprintf(stderr, "korvalde: no offscreen OpenGL: %s\n", context.error().c_str());
        return 2;
    }
    vantor::SceneRenderer renderer;
    if (!renderer.InitFont(vantor::DefaultOutlineFont()))
        std::fputs("GLFont: wglUseFontOutlines failed!\n", stderr);
    vantor::Camera camera;
    vantor::RenderSettings settings;
    camera.aspectRatio = float(request.width) / float(request.height);
    camera.projectionMode = request.projection;
    settings.displayMode = request.displayMode;
    vantor::ApplyFit(camera, scene);
    renderer.DrawScene(scene, camera, settings);
    const QImage image = context.ReadImage();
    renderer.ReleaseGl();
    if (!image.save(request.output)) {
        std::fprintf(stderr, "korvalde: cannot write %s\n", qPrintable(request.output));
        return 2;
    }
    return 0;
}
