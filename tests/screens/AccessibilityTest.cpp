// What a screen reader finds on every screen: a name and a role for every control,
// board numbers with their counters, and the card, the turn line and the wrong-answer
// message announced as they change.

#include "widgets/Accessibility.h"
#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
struct Announcement {
    QString control;
    QString text;
};

class Accessibility : public ScreenTest {
protected:
    Accessibility()
    {
        QObject::connect(&Announcements::instance(), &Announcements::announced, &listener, [this](QWidget* widget) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            announcements.push_back({widget->objectName(), label == nullptr ? QString() : label->text()});
        });
    }

    static QAccessibleInterface* find(QWidget& control) { return QAccessible::queryAccessibleInterface(&control); }

    static QString name(QWidget& control) { return find(control)->text(QAccessible::Name); }

    // Every shown control a player can act on or read, with the name it is read by.
    static QStringList namesOf(QWidget& screen)
    {
        QStringList names;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                const QAccessible::Role role = child->role();
                const bool control = role == QAccessible::Button || role == QAccessible::CheckBox;
                const auto* label = qobject_cast<const QLabel*>(child->object());
                const bool words = role == QAccessible::StaticText && label != nullptr && !label->text().isEmpty();
                const bool picture = role == QAccessible::Graphic;
                if (!child->state().invisible && (control || words || picture)) {
                    const QString childName = child->text(QAccessible::Name);
                    EXPECT_FALSE(childName.isEmpty()) << child->object()->objectName().toStdString() << " has no name";
                    names << childName;
                }
                walk(child);
            }
        };
        walk(find(screen));
        return names;
    }

    QObject listener;
    std::vector<Announcement> announcements;
};
} // namespace

TEST_F(Accessibility, EveryScreenNamesItsControls)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    EXPECT_TRUE(namesOf(title).contains("Restart Previous Game"));
    EXPECT_EQ(find(control(&title, "Label5"))->role(), QAccessible::Button);
    EXPECT_EQ(name(control(&title, "Picture1")), "Zorbitan: start a new game");

    navigator.show<Grey>();
    Startplay2& options = navigator.show<Startplay2>();
    const QStringList optionNames = namesOf(options);
    for (const char* expected : {"The Rules", "Play Sound", "Hide Desktop", "1", "4", "Zorbitan logo", "Exit"}) {
        EXPECT_TRUE(optionNames.contains(expected)) << expected;
    }
    EXPECT_EQ(find(control(&options, "Check1"))->role(), QAccessible::CheckBox);
    EXPECT_TRUE(find(control(&options, "Check1"))->state().checked);

    navigator.show<Fandlerules>();
    EXPECT_TRUE(namesOf(open<Fandlerules>()).contains("The Zorbitan board"));
    navigator.close<Fandlerules>();

    shared.numberofplayers = 4;
    Playlevel& levels = navigator.show<Playlevel>();
    const QStringList levelNames = namesOf(levels);
    for (const char* expected : {"Blue, Level 1", "Yellow, Level 3, chosen", "Yellow", "OK"}) {
        EXPECT_TRUE(levelNames.contains(expected)) << expected;
    }
    find(control(&levels, "Label11_0"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(name(control(&levels, "Label11_0")), "Yellow, Level 1, chosen");
    EXPECT_EQ(name(control(&levels, "Label11_2")), "Yellow, Level 3");
    EXPECT_EQ(shared.playerlevel[4], 1);

    find(control(&levels, "Label8_0"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(isOpen<fan1>());
    const QStringList gameNames = namesOf(open<fan1>());
    for (const char* expected : {"Take a card", "Blue to Play", "1", "42", "100", "Exit", "New Game", "Hide Desktop"}) {
        EXPECT_TRUE(gameNames.contains(expected)) << expected;
    }
}

TEST_F(Accessibility, TheCardTheTurnLineAndTheMessageAreAnnounced)
{
    playersAtLevels({3, 3});
    fan1& game = navigator.show<fan1>();

    ASSERT_FALSE(announcements.empty());
    EXPECT_EQ(announcements.back().text, "Blue to Play");
    dealLevel3CardNext(37); // a factor of 12
    ASSERT_TRUE(QTest::qWaitFor([&] { return control(&game, "Label5").isEnabled(); }, 4000));
    click(control(&game, "Label5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcements.size() == 2; }, 2000));
    EXPECT_EQ(announcements.back().control, "Label4"); // the card's back is not read out
    EXPECT_EQ(announcements.back().text, "a factor of 12");

    click(control(&game, "Label1_42"));
    ASSERT_FALSE(announcements.empty());
    EXPECT_EQ(announcements.back().control, "Label10");
    EXPECT_EQ(announcements.back().text, "Your answer is incorrect. You have lost your turn.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcements.back().control == "Label2"; }, 4000));
    EXPECT_EQ(announcements.back().text, "Red to Play");
    EXPECT_EQ(announcements.size(), 4);

    dealLevel3CardNext(37);
    ASSERT_TRUE(QTest::qWaitFor([&] { return control(&game, "Label5").isEnabled(); }, 4000));
    click(control(&game, "Label5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().controls().Label4.caption == "a factor of 12"; }, 2000));
    click(control(&game, "Label1_12"));
    EXPECT_EQ(name(control(&game, "Label1_12")), "12, Red counter");
    EXPECT_EQ(name(control(&game, "Image1_12")), "12, Red counter");
    EXPECT_EQ(name(control(&game, "Label1_13")), "13");
}
