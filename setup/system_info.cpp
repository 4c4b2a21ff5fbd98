#include "system_info.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QStringList>
#include <QSysInfo>
#include <QtGlobal>

namespace vantor {
namespace {

QString GlString(QOpenGLFunctions* gl, GLenum name) {
    const auto* text = reinterpret_cast<const char*>(gl->glGetString(name));
    return text ? QString::fromLatin1(text) : QStringLiteral("?");
}

QStringList OpenGlLines() {
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) {
        return {QCoreApplication::translate("vantor::SystemInfo", "OpenGL: 利用できません")};
    }
    QOpenGLFunctions* gl = context.functions();
    QStringList lines{
        QStringLiteral("OpenGL: ") + GlString(gl, GL_VERSION),
        QStringLiteral("OpenGL renderer: ") + GlString(gl, GL_RENDERER),
        QStringLiteral("OpenGL vendor: ") + GlString(gl, GL_VENDOR),
    };
    context.doneCurrent();
    return lines;
}

}  // namespace

QString GatherSystemInfo() {
    QStringList lines{
        QStringLiteral("OS: ") + QSysInfo::prettyProductName(),
        QStringLiteral("Kernel: ") + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion(),
        QStringLiteral("CPU: ") + QSysInfo::currentCpuArchitecture(),
        QStringLiteral("Qt: ") + QString::fromLatin1(qVersion()) + QStringLiteral(" (built with ") +
            QStringLiteral(QT_VERSION_STR) + u')',
    };
    lines += OpenGlLines();
    return lines.join(u'\n');
}

}  // namespace vantor
