#pragma once
// What the documents, views and dialogs need of the application, as an
// interface: the application object implements it and hands it down
// (frame -> document -> view -> navigation and selection, frame -> About
// box), so nothing below the application reaches for a global. Without an
// application (tests of one window) DetachedContext stands in.

#include <QString>

#include "bindings/binding_table.h"
#include "hits/hit_table.h"
#include "prompt/prompt.h"
#include "render/render_settings.h"

namespace vantor {

// Where the viewer keeps its files (the About box shows them).
struct AppPaths {
    QString installFolder;   // with a trailing '/'
    QString databasePath;    // working hit table database
    QString readingLogPath;  // the reader's log
    QString configPath;      // binding file in use
};

class AppContext {
  public:
    virtual ~AppContext() = default;

    virtual const BindingTable& Bindings() = 0;
    // Message boxes and file dialogs.
    virtual Prompt& GetPrompt() = 0;
    // The hit table while its store is open, else null.
    virtual HitTable* OpenHits() = 0;
    // The main frame's message pane.
    virtual void ShowStatusText(const QString& text) = 0;
    // Picking tolerances: lengths, and the sine of the angle (0: the default).
    virtual float LengthTolerance() const = 0;
    virtual float AngleTolerance() const = 0;
    // How dimensions are shown, shared by every view.
    virtual DimensionDisplay& Dimensions() = 0;
    virtual AppPaths Paths() const = 0;

    // The document whose picks the hit table holds.
    virtual QString ActiveDocumentPath() const = 0;
    // Document `path` takes the hit table over: the table is emptied.
    virtual void TakeOverHits(const QString& path) = 0;
};

// Stands in for the application where there is none: nothing bound, no
// hit table, messages on stderr, the reading log in the current folder.
class DetachedContext : public AppContext {
  public:
    const BindingTable& Bindings() override { return bindings_; }
    Prompt& GetPrompt() override { return prompt_; }
    HitTable* OpenHits() override { return nullptr; }
    void ShowStatusText(const QString&) override {}
    float LengthTolerance() const override { return 2.5e-7f; }
    float AngleTolerance() const override { return 0.0f; }
    DimensionDisplay& Dimensions() override { return dimensions_; }
    AppPaths Paths() const override {
        return {QString(), QString(), QStringLiteral("data_reading.log"), QString()};
    }
    QString ActiveDocumentPath() const override { return QString(); }
    void TakeOverHits(const QString&) override {}

    // The one stand-in of the process.
    static DetachedContext& Shared() {
        static DetachedContext context;
        return context;
    }

  private:
    BindingTable bindings_;
    StderrPrompt prompt_;
    DimensionDisplay dimensions_;
};

}  // namespace vantor
