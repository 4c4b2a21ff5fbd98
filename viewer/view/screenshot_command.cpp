#include "view/screenshot_command.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "context/settings_store.h"
#include "import/model_import.h"
#include "language.h"
#include "prompt/prompt.h"
#include "render/camera.h"
#include "render/headless_context.h"
#include "render/render_settings.h"
#include "render/scene_renderer.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

struct ScreenshotRequest {
    QString output;  // a picture, or a folder ending in '/' for one picture per input
    QStringList inputs;
    int width = 800;
    int height = 600;
    int32_t displayMode = kDisplayShaded;
    int32_t projection = kProjectionPerspective;
    bool thumbnail = false;
    double timeoutSeconds = 10;  // thumbnails only: a file manager must not hang
    long memoryMegabytes = 2048;
};

const char* const kUsage =
    "usage: korvalde --screenshot OUT.png [--size WxH] [--mode shaded|hlr|hidden|wire] "
    "[--projection persp|ortho] FILE\n"
    "       korvalde --screenshot OUT_DIR/ [options] FILE...\n"
    "       korvalde --thumbnail SIZE IN OUT [--timeout SECONDS] [--memory MB]\n";

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

bool ParsePositive(const char* text, double& value) {
    char tail = 0;
    return std::sscanf(text, "%lf%c", &value, &tail) == 1 && value > 0;
}

// --thumbnail SIZE IN OUT: a square picture of SIZE pixels.
bool ParseThumbnail(char** argv, ScreenshotRequest& request) {
    double size = 0;
    if (!ParsePositive(argv[0], size) || size > 4096) return false;
    request.thumbnail = true;
    request.width = request.height = int(size);
    request.inputs << QString::fromLocal8Bit(argv[1]);
    request.output = QString::fromLocal8Bit(argv[2]);
    return true;
}

bool ParseOption(const std::string& arg, const char* value, ScreenshotRequest& request) {
    if (arg == "--size") return ParseSize(value, request.width, request.height);
    if (arg == "--mode") return ParseMode(value, request.displayMode);
    if (arg == "--timeout") return ParsePositive(value, request.timeoutSeconds);
    if (arg == "--memory") {
        double megabytes = 0;
        if (!ParsePositive(value, megabytes)) return false;
        request.memoryMegabytes = long(megabytes);
        return true;
    }
    if (arg == "--projection") {
        if (std::strcmp(value, "persp") == 0)
            request.projection = kProjectionPerspective;
        else if (std::strcmp(value, "ortho") == 0)
            request.projection = kProjectionOrthographic;
        else
            return false;
        return true;
    }
    return false;
}

bool IsFolderOutput(const QString& output) {
    return output.endsWith(u'/') || QFileInfo(output).isDir();
}

bool Parse(int argc, char** argv, ScreenshotRequest& request) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            request.output = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--thumbnail" && i + 3 < argc) {
            if (!ParseThumbnail(argv + i + 1, request)) return false;
            i += 3;
        } else if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc || !ParseOption(arg, argv[++i], request)) return false;
        } else {
            request.inputs << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (request.output.isEmpty() || request.inputs.isEmpty()) return false;
    return request.inputs.size() == 1 || (!request.thumbnail && IsFolderOutput(request.output));
}

void OnTimeout(int) {
    const char text[] = "korvalde: thumbnail timed out\n";
    if (write(STDERR_FILENO, text, sizeof text - 1) < 0) _exit(3);
    _exit(3);
}

// A huge or hostile file must not hang or swamp the file manager that
// asked for its thumbnail.
void LimitThumbnailRun(const ScreenshotRequest& request) {
    struct sigaction action = {};
    action.sa_handler = OnTimeout;
    sigaction(SIGALRM, &action, nullptr);
    itimerval timer = {};
    timer.it_value.tv_sec = time_t(request.timeoutSeconds);
    timer.it_value.tv_usec =
        suseconds_t((request.timeoutSeconds - double(timer.it_value.tv_sec)) * 1e6);
    setitimer(ITIMER_REAL, &timer, nullptr);
    const rlim_t bytes = rlim_t(request.memoryMegabytes) << 20;
    const rlimit memory = {bytes, bytes};
    setrlimit(RLIMIT_AS, &memory);
}

// A preview shows the whole model: the view turns about the middle of its
// bounding box, which fills the picture, instead of about the origin as the
// viewer does.
void FrameBounds(Camera& camera, const SceneData& scene) {
    if (scene.bounds[0] > scene.bounds[1]) return;  // nothing to frame
    double squared = 0;
    for (int axis = 0; axis < 3; ++axis) {
        const double half = (double(scene.bounds[2 * axis + 1]) - scene.bounds[2 * axis]) / 2;
        camera.rotationCentre[axis] = float(scene.bounds[2 * axis] + half);
        squared += half * half;
    }
    const double radius = std::max(std::sqrt(squared), 1e-6);
    // The bounding sphere just fits the 25-degree field of view.
    const double distance = radius / std::sin(12.5 * 3.14159265358979 / 180) * 1.05;
    camera.panX = camera.rotationCentre[0];
    camera.panY = camera.rotationCentre[1];
    camera.viewDistance = float(distance + camera.rotationCentre[2]);
    camera.nearPlane = float(std::max(distance - radius * 1.5, distance * 0.01));
    camera.farPlane = float(distance + radius * 1.5);
    camera.orthoHalfHeight = float(radius * 1.05);
    camera.zoomFactor = 1;
}

QString OutputFor(const ScreenshotRequest& request, const QString& input) {
    if (request.inputs.size() == 1 && !IsFolderOutput(request.output)) return request.output;
    return QDir(request.output)
        .filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".png"));
}

// One input to one picture; returns the command's exit status for it.
int DrawOne(const ScreenshotRequest& request, const QString& input, const QString& output) {
    StderrPrompt prompt;
    const QString logPath = QDir::temp().filePath(
        QStringLiteral("korvalde_screenshot_%1.log").arg(QCoreApplication::applicationPid()));
    VrmlReader scene;
    const bool read = ReadModelFile(scene, input.toStdString(), prompt, logPath.toStdString()) == 1;
    QFile::remove(logPath);
    if (!read) {
        std::fprintf(stderr, "korvalde: %s was not read\n", qPrintable(input));
        return 1;
    }

    HeadlessContext context;
    if (!context.Create(request.width, request.height)) {
        std::fprintf(stderr, "korvalde: no offscreen OpenGL: %s\n", context.Error().c_str());
        return 2;
    }
    SceneRenderer renderer;
    if (!renderer.InitFont(DefaultOutlineFont()))
        std::fputs("GLFont: wglUseFontOutlines failed!\n", stderr);
    Camera camera;
    RenderSettings settings;
    camera.aspectRatio = float(request.width) / float(request.height);
    camera.projectionMode = request.projection;
    settings.displayMode = request.displayMode;
    ApplyFit(camera, scene);
    if (request.thumbnail) FrameBounds(camera, scene);
    renderer.DrawScene(scene, camera, settings);
    const QImage image = context.ReadImage();
    renderer.ReleaseGl();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "korvalde: cannot write %s\n", qPrintable(output));
        return 2;
    }
    return 0;
}

}  // namespace

bool IsScreenshotRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strcmp(argv[i], "--thumbnail") == 0)
            return true;
    return false;
}

int RunScreenshotCommand(int argc, char** argv) {
    ScreenshotRequest request;
    if (!Parse(argc, argv, request)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (request.thumbnail) LimitThumbnailRun(request);
    // No window is shown, so no display is needed; fonts still come from Qt.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    InstallTranslations(QStringLiteral("korvalde"), ChosenLanguage(KorvaldeSettings()));
    if (IsFolderOutput(request.output)) QDir().mkpath(request.output);

    int status = 0;
    try {
        for (const QString& input : request.inputs)
            status = std::max(status, DrawOne(request, input, OutputFor(request, input)));
    } catch (const std::bad_alloc&) {
        // Past the memory cap of a thumbnail (or out of memory).
        std::fputs("korvalde: out of memory\n", stderr);
        return 4;
    }
    return status;
}

}  // namespace vantor
