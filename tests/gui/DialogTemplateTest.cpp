#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "GuiTestSupport.h"
#include "Icon.h"
#include "ResourceModule.h"
#include "TileFlags.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct ExpectedControl {
    int id;
    const char* kind;  // Qt class name
    const char* label; // the control's text, or the name a screen reader gives an edit or the list
    int x, y, cx, cy;
};

// Every control of the editor's template but the check boxes, in tab order.
const ExpectedControl kLeading[] = {
    {1, "QPushButton", "&Quit", 316, 45, 50, 14},
    {1000, "ListBoxControl", "Tiles", 7, 7, 105, 228},
    {3, "QPushButton", "&Load", 315, 7, 50, 14},
    {4, "QPushButton", "&Save", 316, 26, 50, 14},
    {1001, "QLineEdit", "Name:", 157, 7, 103, 12},
    {1002, "QLineEdit", "Weight:", 157, 23, 29, 12},
    {1003, "QLineEdit", "Height:", 231, 23, 29, 12},
    {1004, "QLineEdit", "Layer:", 157, 39, 29, 12},
    {1005, "QLineEdit", "Gump:", 231, 39, 29, 12},
    {1006, "QLineEdit", "Class:", 157, 55, 29, 12},
    {1007, "QLineEdit", "Hue:", 231, 55, 29, 12},
};
const ExpectedControl kTrailing[] = {
    {1040, "QLineEdit", "Unknown 1:", 174, 162, 29, 12},
    {1044, "QLineEdit", "Unknown 2:", 256, 162, 29, 12},
    {1045, "QLineEdit", "Unknown 3:", 174, 177, 29, 12},
    {1046, "QLineEdit", "Unknown 4:", 256, 177, 29, 12},
    {1047, "QLineEdit", "Unknown 5:", 174, 193, 29, 12},
};
const int kCheckWidths[] = {55, 43, 54, 53, 30, 48, 51, 35, 53, 41, 36, 41, 42, 46, 48, 52,
                            39, 39, 51, 53, 30, 46, 47, 53, 47, 55, 53, 34, 31, 31, 52, 52};

std::vector<ExpectedControl> ExpectedEditorControls()
{
    std::vector<ExpectedControl> all(std::begin(kLeading), std::end(kLeading));
    const int columns[] = {129, 193, 254, 314};
    for (int bit = 0; bit < 32; ++bit)
        all.push_back({1008 + bit, "QCheckBox", TileFlag::kLabels[bit], columns[bit / 8],
                       71 + 10 * (bit % 8), kCheckWidths[bit], 10});
    all.insert(all.end(), std::begin(kTrailing), std::end(kTrailing));
    return all;
}

QString TextOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QListView*>(control))
        return control->accessibleName();
    return {};
}

// Where the Tab key goes from a control.
QWidget* NextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

TEST(EditorTemplate, EveryControlHasItsIdKindLabelPlaceAndTabOrder)
{
    EditorHarness editor;
    QDialog& dialog = editor.Window();
    const DialogUnits units(dialog.font());
    ASSERT_GT(units.BaseX(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Quarnel Editor");
    EXPECT_EQ(dialog.size(), QSize(units.ToPixelsX(383), units.ToPixelsY(242)));

    QWidget* previous = nullptr;
    for (const ExpectedControl& expected : ExpectedEditorControls()) {
        SCOPED_TRACE(expected.id);
        QWidget* control = dialog.findChild<QWidget*>(QString::number(expected.id));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control, editor.Control(expected.id));
        EXPECT_STREQ(control->metaObject()->className(), expected.kind);
        if (expected.label) {
            EXPECT_EQ(TextOf(control), QString::fromLatin1(expected.label));
        }
        EXPECT_EQ(control->geometry(), units.ToPixels(expected.x, expected.y, expected.cx, expected.cy));
        EXPECT_TRUE(control->isEnabled());
        if (previous) {
            EXPECT_EQ(NextTabStop(previous), control) << "tab order";
        }
        previous = control;
    }
    EXPECT_EQ(dialog.findChild<QWidget*>("1041"), nullptr);
    EXPECT_EQ(dialog.findChild<QWidget*>("1043"), nullptr);
}

TEST(EditorTemplate, EachEditHasItsLabelAsBuddyAtTheLabelsPlace)
{
    EditorHarness editor;
    const DialogUnits units(editor.Window().font());
    struct Label {
        int edit;
        const char* text;
        int x, y, cx, cy;
    };
    const Label labels[] = {
        {1001, "Name:", 129, 9, 22, 8},       {1002, "Weight:", 130, 25, 26, 8},
        {1003, "Height:", 203, 25, 24, 8},    {1004, "Layer:", 129, 41, 20, 8},
        {1005, "Gump:", 203, 41, 22, 8},      {1006, "Class:", 129, 57, 20, 8},
        {1007, "Hue:", 203, 57, 16, 8},       {1040, "Unknown 1:", 132, 164, 40, 8},
        {1044, "Unknown 2:", 214, 164, 40, 8}, {1045, "Unknown 3:", 132, 180, 40, 8},
        {1046, "Unknown 4:", 214, 179, 40, 8}, {1047, "Unknown 5:", 132, 196, 40, 8},
    };
    const auto all = editor.Window().findChildren<QLabel*>();
    for (const Label& expected : labels) {
        SCOPED_TRACE(expected.text);
        const auto found = std::find_if(all.begin(), all.end(),
                                        [&](QLabel* l) { return l->buddy() == editor.Control(expected.edit); });
        ASSERT_NE(found, all.end());
        EXPECT_EQ((*found)->text(), expected.text);
        EXPECT_EQ((*found)->geometry(), units.ToPixels(expected.x, expected.y, expected.cx, expected.cy));
    }
}

TEST(EditorTemplate, TheFocusStartsOnQuitWhichIsTheDefaultButton)
{
    EditorHarness editor;
    auto* quit = qobject_cast<QPushButton*>(editor.Control(IDOK));
    EXPECT_TRUE(quit->isDefault());
    EXPECT_EQ(editor.Window().focusWidget(), quit);
}

TEST(DialogUnits, FollowTheFontsMetrics)
{
    QFont small = DialogFont("MS Sans Serif", 8);
    QFont large = DialogFont("MS Sans Serif", 16);
    const DialogUnits a(small), b(large);
    EXPECT_GT(b.BaseX(), a.BaseX());
    EXPECT_GT(b.BaseY(), a.BaseY());
    EXPECT_EQ(a.ToPixelsX(4), a.BaseX());
    EXPECT_EQ(a.ToPixelsY(8), a.BaseY());
}

TEST(AboutTemplate, HoldsIconVersionNoticeAndOk)
{
    const DialogTemplate* about = AfxFindDialogTemplate(100);
    ASSERT_NE(about, nullptr);
    EXPECT_STREQ(about->caption, "About Quarnel");
    EXPECT_EQ(about->cx, 235);
    EXPECT_EQ(about->cy, 55);
    ASSERT_EQ(about->items.size(), 4u);
    EXPECT_EQ(about->items[0].kind, ControlKind::Icon);
    EXPECT_STREQ(about->items[1].text, "Quarnel Version 1.0");
    EXPECT_EQ(about->items[3].kind, ControlKind::DefPushButton);
    EXPECT_EQ(about->items[3].id, 1);
    EXPECT_EQ(AfxLoadString(101), "&About Quarnel...");
    const QIcon icon = IconOf(AfxLoadIcon(128));
    EXPECT_FALSE(icon.pixmap(32, 32).isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
}

} // namespace
