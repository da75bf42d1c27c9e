// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fandlerules.h"

#include "ScreenScale.h"
#include "ScreenStyle.h"
#include "WindowServices.h"
#include "layout/Layouts.h"
#include "widgets/ClickLabel.h"

namespace zorbitan {

namespace {
// The Level 3 lines, one for each kind of fact in the order of the kinds; the chosen
// kinds fill them from the top.
constexpr int factLines[factKindCount] = {14, 6, 10, 12, 16, 17, 18};

// The words of a line of the rules as designed.
const char* designedWords(int member)
{
    return FandlerulesLayout.row(QStringLiteral("Label1_%1").arg(member).toStdString()).words;
}

// How the rules name a choice of tables: "2, 5 and 10", a run of three or more as "1 to 4".
QString tablesNamed(const TablesChoice& choice)
{
    QStringList parts;
    const std::vector<int> tables = choice.chosen();
    for (std::size_t at = 0, end = 0; at < tables.size(); at = ++end) {
        while (end + 1 < tables.size() && tables[end + 1] == tables[end] + 1) {
            ++end;
        }
        parts << (end - at >= 2 ? Fandlerules::tr("%1 to %2").arg(tables[at]).arg(tables[end])
                                : QString::number(tables[at]));
        end = end - at >= 2 ? end : at;
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : Fandlerules::tr("%1 and %2").arg(parts.join(QStringLiteral(", ")), last);
}
} // namespace

QString Fandlerules::tablesLine(int level, const TablesChoice& choice)
{
    if (level == 1 && choice == CardChoice{}.level1) {
        return tr("2, 5 and 10 times tables and simple divisions.");
    }
    if (choice.tables.all()) {
        return choice.divisions ? tr("Times tables up to 10 x 10 and divisions.") : tr("Times tables up to 10 x 10.");
    }
    if (choice.tables.count() == 1) {
        return (choice.divisions ? tr("The %1 times table and divisions.") : tr("The %1 times table."))
            .arg(tablesNamed(choice));
    }
    return (choice.divisions ? tr("%1 times tables and divisions.") : tr("%1 times tables.")).arg(tablesNamed(choice));
}

Fandlerules::Fandlerules(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setUp(FandlerulesLayout);
    connect(control<ClickLabel>(QStringLiteral("Label3_0")), &ClickLabel::clicked, this, [this] { Label3_Click(); });
    showDealt();
    Image1_ = control<QLabel>(QStringLiteral("Image1"));
    Image1_->setAccessibleName(tr("The Zorbitan board"));
}

// The level lines for the choice the game deals from now.
void Fandlerules::showDealt()
{
    const CardChoice& dealt = shared().cardchoice;
    showWords(*control(QStringLiteral("Label1_15")), tablesLine(1, dealt.level1));
    showWords(*control(QStringLiteral("Label1_11")), tablesLine(2, dealt.level2));
    const auto factLine = [this](int line) {
        return control<QLabel>(QStringLiteral("Label1_%1").arg(factLines[line]));
    };
    int line = 0;
    for (int kind = 0; kind < factKindCount; ++kind) {
        if (dealt.level3.test(static_cast<std::size_t>(kind))) {
            QLabel* shown = factLine(line++);
            showWords(*shown, tr(designedWords(factLines[kind])));
            shown->show();
        }
    }
    for (; line < factKindCount; ++line) {
        factLine(line)->hide();
    }
}

// Without its picture the page still opens, with the words alone.
void Fandlerules::Form_Load()
{
    centreform();
    if (loadPicture(*Image1_, workingFolder(), "images\\zorbitanmd.bmp")) {
        // The label takes the picture's own size.
        const QSize own = designedPictureSize(*Image1_);
        const TwipRect& designed = FandlerulesLayout.row("Image1").place;
        place(*Image1_, {designed.left, designed.top, pixelsToTwips(own.width()), pixelsToTwips(own.height())});
    }
}

void Fandlerules::Label3_Click()
{
    navigator().close<Fandlerules>();
    play(sounds::click);
}

// The window's own close button does what "Exit" does, without the click.
bool Fandlerules::closedByPlayer()
{
    navigator().forget(this);
    return true;
}

} // namespace zorbitan
