#pragma once
// What the sign details form asks of its page behaviour that lives apart from
// the form itself: the sign layout view, the directory of stored designs and
// the key status on "Job Details", and the main page handler.

namespace input {

class PanelsPage {
public:
    virtual ~PanelsPage() = default;

    virtual void DrawSignLayoutView() = 0;
    virtual void FillDesignDirectory() = 0;
    virtual void UpdateJobStatus() = 0;
    // A main page was entered (by the engineer or after the form changed it);
    // `previous` is the page left.
    virtual void SSIndexTab1_Click(int previous) = 0;
};

} // namespace input
