#include "screens/TitleScreen.h"

// The title list, top to bottom. Blank lines are blue on blue; the credits
// and stories belong to KWORBLE's makers at Braxmoor Systems.
void TitleScreen::init_display_list()
{
    display_list.clear();
    DisplayListEndMarker::reset_flags();

    display_list.push_back(std::make_unique<DisplayListImage>(&picture1, &picture2));
    add_blank(1);
    add_text("Welcome to Kworble", BRIGHT_YELLOW);
    add_blank(1);
    add_text("Desktop edition written by", BRIGHT_CYAN);
    add_text("Tamsin Orlevy & Corwin Haddleby", BRIGHT_CYAN);
    add_blank(1);
    add_text("Additional code and sounds", CYAN);
    add_text("by Petra Voskuyl", CYAN);
    add_blank(1);
    add_text(" v0.01g ", RED, WHITE);
    add_blank(1);

    add_text("Code", BRIGHT_GREEN);
    add_text("\177 2026 Tamsin Orlevy and", GREEN);
    add_text("Corwin Haddleby", GREEN);
    add_blank(1);
    add_text("Original", BRIGHT_GREEN);
    add_text("\177 1985 Braxmoor Systems", GREEN);
    add_blank(1);
    add_text("Kworble Refurnished Screen", BRIGHT_GREEN);
    add_text("\177 2026 Ilse Marrowgate", GREEN);
    add_blank(1);
    add_text("All used with permission", GREEN);
    add_blank(2);

    add_text("Touch/Click to continue", GREEN, BLACK, true);
    add_text("Or wait to learn more", GREEN, BLACK);
    add_blank(2);
    display_list.push_back(std::make_unique<DisplayListImage>(&cover));
    add_blank(2);
    add_text("More about Kworble", MAGENTA);
    add_text("www.example.com/kworble", MAGENTA);
    add_text("kworble.example.org", MAGENTA);
    add_blank(2);

    auto tape = std::make_unique<DisplayListBraxmoorSystemsAnimation>(&title_picture1, &title_picture2);
    animation = tape.get();
    display_list.push_back(std::move(tape));
    add_blank(2);

    add_text("About the Original", BRIGHT_YELLOW);
    add_text("Kworble first came out in 1985", YELLOW);
    add_text("on a cassette from Braxmoor", YELLOW);
    add_text("Systems, a two-room software", YELLOW);
    add_text("house above a bicycle shop in", YELLOW);
    add_text("the market town of Braxmoor.", YELLOW);
    add_text("It sold for two pounds fifty.", YELLOW);
    add_blank(3);
    add_text("The whole game fitted in under", YELLOW);
    add_text("nine kilobytes, chasers and", YELLOW);
    add_text("loading screen included.", YELLOW);
    add_blank(3);
    add_text("It was written in three weeks", YELLOW);
    add_text("of evenings, each maze tested", YELLOW);
    add_text("on a portable television with", YELLOW);
    add_text("the sound turned right up, so", YELLOW);
    add_text("the beeper could be heard over", YELLOW);
    add_text("the cassette deck recording in", YELLOW);
    add_text("the next room.", YELLOW);
    add_blank(3);
    add_text("Braxmoor sold it by mail order", YELLOW);
    add_text("with a hand-drawn map of every", YELLOW);
    add_text("maze folded into the box.", YELLOW);
    add_blank(3);
    add_text("This edition keeps the sixteen", YELLOW);
    add_text("mazes, the laser and the beeper", YELLOW);
    add_text("sounds of the tape, and adds", YELLOW);
    add_text("window sizes, touch control and", YELLOW);
    add_text("a maze editor behind F2.", YELLOW);
    add_blank(4);

    add_text("Ellery Dunmarsh", BRIGHT_CYAN);
    add_text("Ellery wrote games for Braxmoor", CYAN);
    add_text("Systems from 1983 to 1987,", CYAN);
    add_text("starting with a typing tutor", CYAN);
    add_text("and ending with a chess clock.", CYAN);
    add_text("Kworble was the one that paid", CYAN);
    add_text("for itself. Ellery now grows", CYAN);
    add_text("apples and keeps bees.", CYAN);
    add_blank(4);

    add_text("Additional thanks to:", BRIGHT_MAGENTA);
    add_text("www.example.net/tapes", MAGENTA);
    add_text("archive.example.org/braxmoor", MAGENTA);
    add_blank(4);
    add_text("Hello to:", BRIGHT_RED);
    add_text("Ada, Bram, Cosima, Dieter,", RED);
    add_text("Edda, Finn, Greta, Hugo,", RED);
    add_text("Ines, Jory, Kaspar and Lotte", RED);
    add_blank(1, RED);
    add_text("...and everyone still loading!", RED);
    add_blank(2);
    add_text("------x------", BLACK);
    add_blank(2);
    display_list.push_back(std::make_unique<DisplayListEndMarker>());
}
