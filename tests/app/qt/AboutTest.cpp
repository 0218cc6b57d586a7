#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <cstring>
#include <vector>
#include <gtest/gtest.h>
#include <memory>

#include "CountingLauncher.h"
#include "editor/qt/DescribedWindowCheck.h"
#include "app/qt/AuxiliaryWindows.h"
#include "app/qt/frmAbout.h"
#include "ui/AppIdentity.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = new frmAbout([this](UserInteraction&) { return std::make_unique<CountingLauncher>(sysInfoStarts); });
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    void TearDown() override { delete dialog.data(); }

    template <typename T>
    T* Child(const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    bool Gone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }

    QPointer<frmAbout> dialog;
    int sysInfoStarts = 0;
};

TEST_F(AboutTest, ShowsTitleVersionAndDescription) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Vantrel"));
    EXPECT_EQ(Child<QLabel>("lblTitle")->text(), QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(Child<QLabel>("lblVersion")->text(), QString::fromStdString(VersionLine()));
    EXPECT_EQ(Child<QLabel>("lblDescription")->text().remove(QChar(frmAbout::kWordJoiner)),
              QString::fromStdString(ui::texts::AboutDescription()));
}

// The lines a word-wrapped label breaks its text into, as (start, length) in the text.
std::vector<std::pair<int, int>> WrappedLines(const QLabel* label) {
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    std::vector<std::pair<int, int>> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

TEST_F(AboutTest, IsBuiltFromItsDescriptionAndEveryCaptionFits) {
    // The title and version lines are set on load; the icon takes its picture's size.
    ExpectBuiltFrom(dialog, ui::AboutDescription(), {"lblTitle", "lblVersion", "picIcon"});
    ExpectCaptionsFit(dialog);
    // The support site's address stays whole on one line.
    QLabel* description = Child<QLabel>("lblDescription");
    const int addressStart = static_cast<int>(std::strlen(ui::texts::kAboutDescriptionLead));
    const int textEnd = static_cast<int>(description->text().size());
    bool oneLine = false;
    for (const auto& [start, length] : WrappedLines(description))
        if (start <= addressStart && addressStart < start + length) oneLine = start + length >= textEnd;
    EXPECT_TRUE(oneLine) << "the address breaks across lines";
}

TEST_F(AboutTest, FixedSizeAtItsStoredPlace) {
    EXPECT_EQ(dialog->geometry(), ToQRect(ui::AboutDescription().client));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
}

TEST_F(AboutTest, EnterClosesThroughOk) {
    QSignalSpy okPressed(Child<QPushButton>("cmdOK"), &QPushButton::clicked);
    QTest::keyClick(dialog.data(), Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 1);
    EXPECT_TRUE(Gone());
}

TEST_F(AboutTest, EnterOnTheSystemInfoButtonStillPressesOk) {
    auto* sysInfo = Child<QPushButton>("cmdSysInfo");
    sysInfo->setFocus();
    QSignalSpy okPressed(Child<QPushButton>("cmdOK"), &QPushButton::clicked);
    QTest::keyClick(sysInfo, Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 1);
    EXPECT_EQ(sysInfoStarts, 0);
    EXPECT_TRUE(Gone());
}

TEST_F(AboutTest, EscClosesThroughOk) {
    QSignalSpy okPressed(Child<QPushButton>("cmdOK"), &QPushButton::clicked);
    QTest::keyClick(dialog.data(), Qt::Key_Escape);
    EXPECT_EQ(okPressed.count(), 1);
    EXPECT_TRUE(Gone());
}

TEST_F(AboutTest, AltSStartsTheSystemInformationAndKeepsTheDialogOpen) {
    QTest::keyClick(dialog.data(), Qt::Key_S, Qt::AltModifier);
    // A mnemonic presses its button with a short animation, so the click comes a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sysInfoStarts > 0; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(sysInfoStarts, 1);
    EXPECT_FALSE(Gone());
    EXPECT_TRUE(dialog->isVisible());
}

TEST(AboutWindowTest, OneDialogPerProcessLoadedAnewAfterClosing) {
    AuxiliaryWindows windows;
    windows.ShowAbout();
    QPointer<frmAbout> first = windows.about();
    ASSERT_NE(first, nullptr);
    windows.ShowAbout();
    EXPECT_EQ(windows.about(), first.data());
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<frmAbout*>(widget) && widget->isVisible()) ++open;
    EXPECT_EQ(open, 1);

    first->close();
    EXPECT_EQ(windows.about(), nullptr);
    windows.ShowAbout();
    ASSERT_NE(windows.about(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the closed dialog should have gone";
    EXPECT_TRUE(windows.about()->isVisible());
}

}  // namespace
}  // namespace vantrel::test
