#include "app/hidden_forms.h"

#include "input/roadside_environment_dialog.h"
#include "input/sign_details_form.h"

namespace app {

void LoadSignDetailsForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner)
{
    if (!forms.signDetails) {
        auto *form = new input::Form1(state, owner);
        form->hide();
        forms.signDetails = form;
    }
}

void LoadRoadsideEnvironmentForm(HiddenForms &forms, engine::DesignState &state, QWidget *owner)
{
    if (!forms.roadsideEnvironment)
        forms.roadsideEnvironment = new input::Form2(state, owner);
}

} // namespace app
