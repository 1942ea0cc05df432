#include "app/hidden_forms.h"

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

void LoadRoadsideEnvironmentForm(HiddenForms &forms, engine::DesignState &, QWidget *owner)
{
    if (!forms.roadsideEnvironment)
        forms.roadsideEnvironment = standIn(QStringLiteral("Roadside Environment"), owner);
}

} // namespace app
