// Form1's answers to the question keys, and the symbols that S shows.
#include "ui/window/form1.h"

// Once the game is over the end screen hides the board, so every question
// is answered first with that; L then repeats what the last press made heard.
QString Form1::Answer(int16_t question) const
{
    //: What each question key says once the game is over; %1 is the final score.
    const QString over = G.State.IsGameOver ? tr("The game is over. Score %1.").arg(G.State.Score) : QString();
    if (question == AskLast) {
        //: The answer to L before any press has said anything.
        const QString last = LastAccount.isEmpty() ? tr("Nothing to repeat.") : LastAccount;
        return over.isEmpty() ? last : over + QLatin1Char(' ') + last;
    }
    if (!over.isEmpty())
        return over;
    return question == AskLines ? LinesThrough(G, Keys.Cell) : question == AskSummary ? GameSummary(G) : BallsOf(G, question);
}

// Only the boxes that show a ball change.
void Form1::ShowSymbols(bool shown)
{
    Symbols.Shown = shown;
    for (int16_t i = 0; i < BoxCount; i++)
        if (BallOnTop(G.View.Boxes[i]))
            BoxWidget(i)->update();
}
