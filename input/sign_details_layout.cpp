// The controls of the sign details form and where they stand. Behaviour is in
// sign_details_form.cpp.

#include "input/sign_details_form.h"

#include "database/ui/design_browser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace input {
namespace {

QString arrayName(const char *array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

QLineEdit *newBox(const char *array, int index, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(arrayName(array, index));
    box->setMaximumWidth(110);
    return box;
}

QComboBox *newList(const QString &name, QWidget *parent)
{
    // Lists only: the engineer picks an entry and every position is an index.
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setMinimumWidth(120);
    return combo;
}

QFrame *newPanel(const QString &name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

constexpr const char *kOptionNames[OptionArrayCount] = {"Option3D1", "Option3D2", "Option3D3",
                                                        "Option3D4", "Option3D5", "Option3D6",
                                                        "Option3D7", "Option3D8", "Option3D9"};

} // namespace

QButtonGroup *Form1::newOptionArray(OptionArray array, const QStringList &captions, QWidget *parent)
{
    auto *group = new QButtonGroup(this);
    group->setObjectName(QLatin1String(kOptionNames[static_cast<int>(array)]));
    group->setExclusive(true);
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], parent);
        button->setObjectName(arrayName(kOptionNames[static_cast<int>(array)], i));
        group->addButton(button, i);
    }
    groups_[static_cast<size_t>(array)] = group;
    return group;
}

QRadioButton *Form1::option(OptionArray array, int index) const
{
    return qobject_cast<QRadioButton *>(options(array)->button(index));
}

QLabel *Form1::Label1(int index) const
{
    return label1_.at(static_cast<size_t>(index));
}

void Form1::buildForm()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sign Details Entry Form"));

    tab1_ = new QTabWidget(this);
    tab1_->setObjectName(QStringLiteral("SSIndexTab1"));
    tab1_->addTab(buildJobPage(), QStringLiteral("Job Details"));
    tab1_->addTab(buildSlopePage(), QStringLiteral("Roadside Slope"));
    tab1_->addTab(buildSignPage(), QStringLiteral("Sign Panels"));

    const QStringList captions{QStringLiteral("Cancel"), QStringLiteral("OK"), QStringLiteral("Next >>>"),
                               QStringLiteral("<<< Previous")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(captions[i], this);
        button->setObjectName(arrayName("Command1", i));
        // Enter in a box presses nothing.
        button->setAutoDefault(false);
        button->setDefault(false);
        command1_[static_cast<size_t>(i)] = button;
    }
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(command1_[3]);
    buttons->addWidget(command1_[2]);
    buttons->addStretch(1);
    buttons->addWidget(command1_[1]);
    buttons->addWidget(command1_[0]);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tab1_, 1);
    layout->addLayout(buttons);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(500);
}

QWidget *Form1::buildJobPage()
{
    auto *page = new QWidget;
    auto *keyFrame = new QGroupBox(QStringLiteral("Enter Job Details"), page);
    auto *keyGrid = new QGridLayout(keyFrame);
    const QStringList keyCaptions{QStringLiteral("Job"), QStringLiteral("Section"), QStringLiteral("Sign Position")};
    for (int i = 0; i < 3; ++i) {
        keyGrid->addWidget(new QLabel(keyCaptions[i], keyFrame), 0, i);
        text4_[static_cast<size_t>(i)] = newBox("Text4", i, keyFrame);
        text4_[static_cast<size_t>(i)]->setMaximumWidth(QWIDGETSIZE_MAX);
        keyGrid->addWidget(text4_[static_cast<size_t>(i)], 1, i);
    }

    // Status of the key: job, section and sign position captions and the
    // flashing status panel Panel3D8(4) inside Panel3D8(3).
    for (int i = 0; i < 6; ++i)
        panel3d8_[static_cast<size_t>(i)] = newPanel(arrayName("Panel3D8", i), page);
    for (int i = 0; i < 4; ++i) {
        label3_[static_cast<size_t>(i)] = new QLabel(page);
        label3_[static_cast<size_t>(i)]->setObjectName(arrayName("Label3", i));
    }
    auto *statusGrid = new QGridLayout(panel3d8_[5]);
    const QStringList statusCaptions{QStringLiteral("Job"), QStringLiteral("Section"), QStringLiteral("Sign Position")};
    for (int i = 0; i < 3; ++i) {
        auto *inner = new QHBoxLayout(panel3d8_[static_cast<size_t>(i)]);
        inner->setContentsMargins(4, 2, 4, 2);
        label3_[static_cast<size_t>(i)]->setParent(panel3d8_[static_cast<size_t>(i)]);
        inner->addWidget(label3_[static_cast<size_t>(i)]);
        panel3d8_[static_cast<size_t>(i)]->setParent(panel3d8_[5]);
        statusGrid->addWidget(new QLabel(statusCaptions[i], panel3d8_[5]), i, 0);
        statusGrid->addWidget(panel3d8_[static_cast<size_t>(i)], i, 1);
    }
    panel3d8_[3]->setParent(panel3d8_[5]);
    panel3d8_[4]->setParent(panel3d8_[3]);
    panel3d8_[4]->setAutoFillBackground(true);
    QPalette green = panel3d8_[4]->palette();
    green.setColor(QPalette::Window, QColor(0, 0x40, 0));  // dark green, &H4000
    panel3d8_[4]->setPalette(green);
    panel3d8_[4]->setFixedSize(18, 18);
    auto *statusRow = new QHBoxLayout(panel3d8_[3]);
    statusRow->setContentsMargins(4, 2, 4, 2);
    label3_[3]->setParent(panel3d8_[3]);
    statusRow->addWidget(panel3d8_[4]);
    statusRow->addWidget(label3_[3], 1);
    statusGrid->addWidget(new QLabel(QStringLiteral("Status"), panel3d8_[5]), 3, 0);
    statusGrid->addWidget(panel3d8_[3], 3, 1);

    auto *directory = new QGroupBox(QStringLiteral("Directory of Sign Designs Database"), page);
    auto *directoryLayout = new QVBoxLayout(directory);
    outline1_ = new database::DesignBrowser(directory);
    outline1_->setObjectName(QStringLiteral("Outline1"));
    directoryLayout->addWidget(outline1_);

    auto *left = new QVBoxLayout;
    left->addWidget(keyFrame);
    left->addWidget(panel3d8_[5]);
    left->addStretch(1);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 3);
    layout->addWidget(directory, 2);
    return page;
}

QWidget *Form1::buildSlopePage()
{
    auto *page = new QWidget;
    tab2_ = new QTabBar(page);
    tab2_->setObjectName(QStringLiteral("SSIndexTab2"));
    tab2_->setExpanding(false);
    for (const char *caption : {"Terrain Details", "Reference Point", "Segment 1", "Segment 2", "Segment 3",
                                "Segment 4", "Segment 5", "Point"})
        tab2_->addTab(QLatin1String(caption));

    // Terrain options.
    auto *terrain = new QWidget(page);
    terrain->setObjectName(QStringLiteral("TerrainDetails"));
    auto *terrainGrid = new QGridLayout(terrain);
    struct Choice {
        OptionArray array;
        const char *question;
        QStringList captions;
    };
    const Choice choices[] = {
        {OptionArray::Option3D4, "No. of Slope segments",
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}},
        {OptionArray::Option3D5, "Which side of the carriageway is the sign?",
         {QStringLiteral("Left"), QStringLiteral("Right")}},
        {OptionArray::Option3D6, "Define a reference point?", {QStringLiteral("Yes"), QStringLiteral("No")}},
        {OptionArray::Option3D8, "Strutted Sign?", {QStringLiteral("Yes"), QStringLiteral("No")}},
    };
    int row = 0;
    for (const Choice &choice : choices) {
        auto *box = new QGroupBox(QLatin1String(choice.question), terrain);
        auto *boxLayout = new QHBoxLayout(box);
        QButtonGroup *group = newOptionArray(choice.array, choice.captions, box);
        for (QAbstractButton *button : group->buttons())
            boxLayout->addWidget(button);
        boxLayout->addStretch(1);
        terrainGrid->addWidget(box, row++, 0);
    }

    // The segment boxes; the slope page places them (in twips, by page).
    frame3d12_ = new QGroupBox(QStringLiteral("Enter cross section segment details"), page);
    frame3d12_->setObjectName(QStringLiteral("Frame3D12"));
    for (int i = 0; i < 7; ++i)
        text3_[static_cast<size_t>(i)] = newBox("Text3", i, frame3d12_);
    newOptionArray(OptionArray::Option3D1, {QStringLiteral("Height"), QStringLiteral("% Gradient")}, frame3d12_);
    newOptionArray(OptionArray::Option3D9, {QStringLiteral("Height"), QStringLiteral("% Gradient ")}, frame3d12_);
    const auto label = [this](const char *name, const char *caption) {
        auto *l = new QLabel(QLatin1String(caption), frame3d12_);
        l->setObjectName(QLatin1String(name));
    };
    label("Label4_0", "Length");
    label("Label8", "Reduced Level");
    label("Label5_0", "(mm)");
    label("Label5_1", "(mm)");
    label("Label5_2", "(M)");
    label("Label6", "Enter longitudinal details");
    label("Label4_1", "Length");
    label("Label5_6", "(mm)");
    label("Label5_7", "(mm)");

    // The slope diagram's frame; the slope page draws into it.
    frame3d13_ = new QGroupBox(QStringLiteral("Slope Segment Details"), page);
    frame3d13_->setObjectName(QStringLiteral("Frame3D13"));
    frame3d13_->setMinimumSize(300, 160);

    auto *content = new QHBoxLayout;
    auto *entry = new QVBoxLayout;
    entry->addWidget(terrain);
    entry->addWidget(frame3d12_);
    entry->addStretch(1);
    content->addLayout(entry, 1);
    content->addWidget(frame3d13_, 1, Qt::AlignTop);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(tab2_);
    layout->addLayout(content, 1);
    return page;
}

QWidget *Form1::buildSignSlotPage(int slot)
{
    auto *page = new QWidget;
    auto *frame = new QGroupBox(QStringLiteral("Enter Sign Details"), page);
    frame->setObjectName(arrayName("Frame3D2", slot - 1));
    frame3d2_[static_cast<size_t>(slot - 1)] = frame;
    QLineEdit *code = nullptr, *width = nullptr, *height = nullptr;
    QComboBox *legendClass = nullptr, *legendColour = nullptr, *backgroundClass = nullptr, *backgroundColour = nullptr;
    if (slot <= 3) {
        const int i = slot - 1;
        code = text1_[static_cast<size_t>(slot + 5)] = newBox("Text1", slot + 5, frame);
        width = text1_[static_cast<size_t>(slot - 1)] = newBox("Text1", slot - 1, frame);
        height = text1_[static_cast<size_t>(slot + 2)] = newBox("Text1", slot + 2, frame);
        legendClass = combo1_[static_cast<size_t>(i)] = newList(arrayName("Combo1", i), frame);
        legendColour = combo5_[static_cast<size_t>(i)] = newList(arrayName("Combo5", i), frame);
        backgroundClass = combo2_[static_cast<size_t>(i)] = newList(arrayName("Combo2", i), frame);
        backgroundColour = combo6_[static_cast<size_t>(i)] = newList(arrayName("Combo6", i), frame);
    } else {
        code = text2_[2] = newBox("Text2", 2, frame);
        width = text2_[0] = newBox("Text2", 0, frame);
        height = text2_[1] = newBox("Text2", 1, frame);
        legendClass = combo3_ = newList(QStringLiteral("Combo3"), frame);
        legendColour = combo7_ = newList(QStringLiteral("Combo7"), frame);
        backgroundClass = combo4_ = newList(QStringLiteral("Combo4"), frame);
        backgroundColour = combo8_ = newList(QStringLiteral("Combo8"), frame);
    }
    auto *grid = new QGridLayout(frame);
    const std::pair<const char *, QWidget *> rows[] = {
        {"Sign No. :", code},           {"Width (mm) :", width},          {"Height (mm) :", height},
        {"Legend Class :", legendClass}, {"Legend Colour :", legendColour}, {"B'ground Class :", backgroundClass},
        {"B'ground Colour :", backgroundColour}};
    int row = 0;
    for (const auto &[caption, field] : rows) {
        grid->addWidget(new QLabel(QLatin1String(caption), frame), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    return page;
}

QWidget *Form1::buildSeparationPage()
{
    auto *page = new QWidget;
    auto *frame = new QGroupBox(QStringLiteral("Enter Sign Separation Details"), page);
    frame->setObjectName(QStringLiteral("Frame3D2_4"));
    frame3d2_[4] = frame;
    for (int i = 0; i < 3; ++i)
        panel3d2_[static_cast<size_t>(i)] = newPanel(arrayName("Panel3D2", i), frame);
    auto newLabel = [this](int index, const QString &caption, QWidget *parent) {
        auto *label = new QLabel(caption, parent);
        label->setObjectName(arrayName("Label1", index));
        label1_[static_cast<size_t>(index)] = label;
        return label;
    };

    // Middle to upper, then lower to middle.
    const std::pair<int, int> between[] = {{28, 11}, {20, 10}};
    const QString initial[] = {QStringLiteral("Vertical Separation Middle to Upper"),
                               QStringLiteral("Vertical Separation Lower to Middle")};
    for (int p = 0; p < 2; ++p) {
        QFrame *panel = panel3d2_[static_cast<size_t>(p)];
        auto *row = new QHBoxLayout(panel);
        row->addWidget(newLabel(between[p].first, initial[p], panel), 1);
        QLineEdit *box = newBox("Text1", between[p].second, panel);
        text1_[static_cast<size_t>(between[p].second)] = box;
        row->addWidget(box);
        row->addWidget(new QLabel(QStringLiteral("(mm)"), panel));
    }

    // Front to back: which starts higher, and by how much.
    QFrame *panel = panel3d2_[2];
    auto *grid = new QGridLayout(panel);
    QButtonGroup *higher = newOptionArray(
        OptionArray::Option3D7, {QStringLiteral("Front Sign Starts Higher"), QStringLiteral("Back Sign Starts Higher")},
        panel);
    text1_[9] = newBox("Text1", 9, panel);
    text2_[3] = newBox("Text2", 3, panel);
    grid->addWidget(higher->button(0), 0, 0);
    grid->addWidget(newLabel(0, QStringLiteral("Vertical Separation"), panel), 0, 1);
    grid->addWidget(text1_[9], 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("(mm)"), panel), 0, 3);
    grid->addWidget(higher->button(1), 1, 0);
    grid->addWidget(newLabel(1, QStringLiteral("Vertical Separation"), panel), 1, 1);
    grid->addWidget(text2_[3], 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("(mm)"), panel), 1, 3);

    auto *frameLayout = new QVBoxLayout(frame);
    for (QFrame *p : panel3d2_)
        frameLayout->addWidget(p);
    frameLayout->addStretch(1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    return page;
}

QWidget *Form1::buildSignPage()
{
    auto *page = new QWidget;
    tab3_ = new QTabWidget(page);
    tab3_->setObjectName(QStringLiteral("SSIndexTab3"));

    auto *general = new QWidget;
    auto *generalLayout = new QVBoxLayout(general);
    auto *front = new QGroupBox(QStringLiteral("Number of Front Signs"), general);
    auto *frontRow = new QHBoxLayout(front);
    for (QAbstractButton *b :
         newOptionArray(OptionArray::Option3D2,
                        {QStringLiteral("None"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, front)
             ->buttons())
        frontRow->addWidget(b);
    auto *back = new QGroupBox(QStringLiteral("Number of Back Signs"), general);
    auto *backRow = new QHBoxLayout(back);
    for (QAbstractButton *b :
         newOptionArray(OptionArray::Option3D3, {QStringLiteral("None"), QStringLiteral("1")}, back)->buttons())
        backRow->addWidget(b);
    auto *sizes = new QGridLayout;
    text1_[12] = newBox("Text1", 12, general);
    text1_[13] = newBox("Text1", 13, general);
    sizes->addWidget(new QLabel(QStringLiteral("Clearance above road edge"), general), 0, 0);
    sizes->addWidget(text1_[12], 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("(mm)"), general), 0, 2);
    sizes->addWidget(new QLabel(QStringLiteral("Distance from carriageway"), general), 1, 0);
    sizes->addWidget(text1_[13], 1, 1);
    sizes->addWidget(new QLabel(QStringLiteral("(mm)"), general), 1, 2);
    generalLayout->addWidget(front);
    generalLayout->addWidget(back);
    generalLayout->addLayout(sizes);
    generalLayout->addStretch(1);

    tab3_->addTab(general, QStringLiteral("General Details"));
    tab3_->addTab(buildSignSlotPage(1), QStringLiteral("Lower Sign"));
    tab3_->addTab(buildSignSlotPage(2), QStringLiteral("Middle Sign"));
    tab3_->addTab(buildSignSlotPage(3), QStringLiteral("Upper Sign"));
    tab3_->addTab(buildSignSlotPage(4), QStringLiteral("Back Sign"));
    tab3_->addTab(buildSeparationPage(), QStringLiteral("Separation Details"));
    // Every panel tab in sight, without scrolling.
    tab3_->setMinimumWidth(tab3_->tabBar()->sizeHint().width() + 12);

    // The layout view's frame; the panels page draws into it.
    frame3d7_ = new QGroupBox(QStringLiteral("Sign Layout View"), page);
    frame3d7_->setObjectName(QStringLiteral("Frame3D7"));
    frame3d7_->setMinimumSize(260, 260);

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(tab3_, 3);
    layout->addWidget(frame3d7_, 2);
    return page;
}

} // namespace input
