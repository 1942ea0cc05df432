#include "app/hidden_forms.h"

#include "input/sign_details_form.h"

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

void LoadSignDetailsForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner)
{
    if (!forms.signDetails) {
        auto *form = new input::Form1(state, owner);
        form->hide();
        forms.signDetails = form;
    }
}

void LoadRoadsideEnvironmentForm(HiddenForms &forms, engine::DesignState &, QWidget *owner)
{
    if (!forms.roadsideEnvironment)
        forms.roadsideEnvironment = standIn(QStringLiteral("Roadside Environment"), owner);
}

} // namespace app
