#include "app/hidden_forms.h"

#include "input/roadside_environment_dialog.h"

#include <QDialog>

namespace app {
namespace {

QWidget *standIn(const QString &caption, QWidget *owner)
{
    auto *form = new QDialog(owner);
    form->setWindowTitle(caption);
    form->hide();
    return form;
}

} // namespace

void LoadSignDetailsForm(HiddenForms &forms, engine::DesignState &, QWidget *owner)
{
    if (!forms.signDetails)
        forms.signDetails = standIn(QStringLiteral("Sign Details Entry Form"), owner);
}

void LoadRoadsideEnvironmentForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner)
{
    if (!forms.roadsideEnvironment)
        forms.roadsideEnvironment = new input::Form2(state, owner);
}

} // namespace app
