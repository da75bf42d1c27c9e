#include "Fandlerules.h"

#include "Fonts.h"
#include "ScreenStyle.h"
#include "WindowServices.h"
#include "widgets/ClickLabel.h"

namespace zorbitan {

namespace {
enum class Weight { Plain, Bold };

struct RulesText {
    int member; // of the label group Label1
    const char* text;
    TwipRect rect;
    Weight weight;
};

const RulesText texts[] = {
    {1, "THE RULES", {120, 600, 1395, 285}, Weight::Bold},
    {2,
     "Players take turns to select a card. The card shows a mathematical problem whose answer is a number between 1 "
     "and 100. The problem may have more than one answer.",
     {120, 960, 11535, 645},
     Weight::Plain},
    {3,
     "The player clicks a number on the board. If the number is a correct answer to the problem, a counter will be "
     "placed on the number, replacing any counter already placed on that number. If the answer is wrong the turn "
     "passes to the next player.",
     {120, 1680, 11415, 1005},
     Weight::Plain},
    {4,
     "The first player to have three counters in a row: horizontally, vertically or diagonally, wins the game.",
     {120, 2640, 11655, 525},
     Weight::Plain},
    {9, "QUESTION BANDS", {120, 3240, 2190, 285}, Weight::Bold},
    {5, "Level 1 - Yellow band", {120, 3660, 5535, 405}, Weight::Bold},
    {15, "2, 5 and 10 times tables and simple divisions.", {120, 3960, 5655, 285}, Weight::Plain},
    {8, "Level 2 - Purple band", {120, 4440, 5175, 405}, Weight::Bold},
    {11, "3, 4, 6, 7, 8 and 9 times tables.", {120, 4740, 5415, 525}, Weight::Plain},
    {13, "Level 3 - Blue band", {120, 5280, 5415, 405}, Weight::Bold},
    {14, "* prime numbers", {120, 5640, 4335, 405}, Weight::Plain},
    {6, "* factors", {120, 6000, 4335, 405}, Weight::Plain},
    {10, "* multiples", {120, 6360, 4335, 405}, Weight::Plain},
    {12, "* square numbers and square roots", {120, 6720, 4335, 405}, Weight::Plain},
    {16, "* odd and even numbers", {120, 7080, 4335, 405}, Weight::Plain},
    {17, "* greater than and less than", {120, 7440, 4335, 405}, Weight::Plain},
    {18, "* numbers to the nearest ten", {120, 7800, 4335, 405}, Weight::Plain},
    {19,
     "Players can decide which band to use according to their age and ability.",
     {120, 8400, 8055, 525},
     Weight::Plain},
};
} // namespace

Fandlerules::Fandlerules(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("Fandlerules"));
    paintBackground(*this, colours::red);
    createControls();
}

void Fandlerules::createControls()
{
    addLabel(this, "Label1_0", QStringLiteral("The Rules of Zorbitan"), {0, 120, 12000, 360}, arial(15.75));
    auto* exit = addButton(this, "Label3_0", QStringLiteral("Exit"), {11160, 60, 735, 375}, arial(12.75));
    connect(exit, &ClickLabel::clicked, this, [this] { Label3_Click(); });
    for (const RulesText& text : texts) {
        QLabel* label = addLabel(this, qPrintable(QStringLiteral("Label1_%1").arg(text.member)),
                                 QString::fromLatin1(text.text), text.rect, arial(12, text.weight == Weight::Bold));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAccessibleName(QStringLiteral("The Zorbitan board"));
    place(*Image1_, {5880, 3600, 2835, 3525});
}

// Without its picture the page still opens, with the words alone.
void Fandlerules::Form_Load()
{
    centreform(*this);
    if (loadPicture(*Image1_, workingFolder(), "images\\zorbitanmd.bmp")) {
        Image1_->resize(Image1_->pixmap().size());
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
