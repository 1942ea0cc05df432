#include "app/startup.h"

#include "app/design_view_widget.h"
#include "app/main_window.h"
#include "app/status_hints.h"
#include "app/storage_wiring.h"
#include "database/database_file.h"
#include "database/default_values.h"
#include "database/preferences.h"
#include "database/reference_lists.h"
#include "engine/design_tables.h"
#include "input/clear_zone_window.h"
#include "input/default_values_dialog.h"
#include "input/notes_dialog.h"
#include "input/sign_details_form.h"
#include "input/stiffener_spacing_dialog.h"
#include "platform/services.h"
#include "platform/settings.h"
#include "print/ui/print_selection_dialog.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace app {
namespace {

MainWindowServices programServices(Program &program, QWidget *window)
{
    engine::DesignState &state = program.state;
    MainWindowServices services;
    services.showStorageDialog = [&state, window](int mode) { ShowStorageDialog(state, mode, window); };
    services.silentSave = [&state, window] { return SilentSave(state, window); };
    services.databaseOpen = [] { return database::CurrentDatabase() != nullptr; };
    services.defaultValues = database::CurrentDefaultValues;
    services.saveDatabaseSetting = SaveDatabasePathSetting;
    HiddenForms &forms = program.hiddenForms;
    services.signDetailsForm = [&forms, &state, window] {
        LoadSignDetailsForm(forms, state, window);
        return forms.signDetails.data();
    };
    services.roadsideEnvironmentForm = [&forms, &state, window] {
        LoadRoadsideEnvironmentForm(forms, state, window);
        return forms.roadsideEnvironment.data();
    };
    services.requestSignDetailsReload = [&forms] {
        if (auto *form = qobject_cast<input::Form1 *>(forms.signDetails.data()))
            form->requestReload();
    };
    services.showStiffenerSpacing = [&state](QWidget *parent) { input::ShowStiffenerSpacingDialog(state, parent); };
    services.showNotes = [&state](QWidget *parent) { input::ShowNotesDialog(state, parent); };
    services.showClearZone = [&state](QWidget *parent) { input::ShowClearZoneWindow(state, parent); };
    services.showDefaultValues = input::ShowDefaultValuesDialog;
    services.showPrintSelection = [window](int printFormType, QWidget *parent) {
        print::PrintSelectionServices print;
        print.repaintMainWindow = [window] { window->repaint(); };
        print::ShowPrintSelection(printFormType, parent, std::move(print));
    };
    return services;
}

// The window system shows a new window after show() returns; until then
// nothing painted reaches the screen, the progress of the loads below
// included. Waits for it without taking user input, for a second at most.
void waitUntilShown(QWidget &window)
{
    const QDeadlineTimer limit(1000);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!window.windowHandle() || window.windowHandle()->isExposed() || limit.hasExpired())
            return;
        QThread::msleep(5);
    }
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect free = screen->availableGeometry();
        QRect frame = window.frameGeometry();
        frame.moveCenter(free.center());
        window.move(frame.topLeft());
    }
}

} // namespace

void SetProgramNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QCoreApplication::setApplicationName(QStringLiteral("Kelvora"));
}

void SaveDatabasePathSetting()
{
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), database::CurrentDatabasePath);
}

std::unique_ptr<Program> Main(const StartupOptions &options)
{
    auto program = std::make_unique<Program>();
    engine::DesignState &state = program->state;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString fallbackPath = options.defaultDatabasePath ? *options.defaultDatabasePath
                                                             : database::DefaultDatabasePath();
    database::CurrentDatabasePath =
        platform::GetSetting(QString::fromLatin1(platform::CurrentDatabaseKey), fallbackPath);
    // Opens or creates the database; a failure is reported there and the
    // window then leads the engineer to a file.
    database::InitReferenceLists();

    program->mainWindow = std::make_unique<Form5>(state, MainWindowServices{});
    Form5 &window = *program->mainWindow;
    window.setServices(programServices(*program, &window));
    InstallDesignView(window);
    InstallStatusHints(window);
    platform::setProgressDisplay(&window.progressDisplay());
    if (options.mainWindowCreated)
        options.mainWindowCreated(window);

    // The file choice that follows a failed open must not run under the
    // hourglass.
    const bool choosingFile = database::CurrentDatabase() == nullptr;
    if (choosingFile)
        QGuiApplication::restoreOverrideCursor();
    window.FormLoad();
    if (choosingFile)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    centreOnScreen(window);
    window.show();
    window.FormActivate();
    waitUntilShown(window);
    window.repaint();

    ShowProgress(30, platform::ProgressStart);
    engine::LoadDesignTables(state, database::ReadStiffenerLimits());
    ShowProgress(60, platform::ProgressUpdate);
    LoadSignDetailsForm(program->hiddenForms, state, &window);
    ShowProgress(80, platform::ProgressUpdate);
    LoadRoadsideEnvironmentForm(program->hiddenForms, state, &window);
    ShowProgress(100, platform::ProgressFinish);

    QGuiApplication::restoreOverrideCursor();
    return program;
}

} // namespace app
