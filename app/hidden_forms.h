#pragma once
// The two input forms that start-up loads without showing and that stay with
// the run: the sign details entry form (loaded for the whole run, so its
// working copy survives between showings) and the roadside environment form.
// This is the one place where they are made; the menus show them from here.

#include <QPointer>
#include <QWidget>

namespace engine {
struct DesignState;
}

namespace app {

struct HiddenForms {
    QPointer<QWidget> signDetails;          // "Sign Details Entry Form"
    QPointer<QWidget> roadsideEnvironment;  // "Roadside Environment"
};

// Each loads its form hidden, owned by `owner` (the main window), if it is not
// loaded already.
void LoadSignDetailsForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner);
void LoadRoadsideEnvironmentForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner);

} // namespace app
