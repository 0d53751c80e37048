#include "TechniqueHelp.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace TechniqueHelp {

namespace {

struct Help {
    std::string_view technique;
    const char* text;
};

// A name with a number in it ("naked pair", "naked triple") shares one text with the others of
// its kind, found by the name's first word.
const Help kHelp[] = {
    {"naked single", QT_TRANSLATE_NOOP("TechniqueHelp",
                                       "A cell with one candidate left: that digit goes there, "
                                       "and its row, column and block lose it.")},
    {"hidden single",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A digit with one place left in a row, column or block: it goes there, "
                       "whatever else that cell could hold.")},
    {"naked",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Two, three or four cells of a region whose candidates are only as many "
                       "digits: those digits fill those cells, so the region's other cells lose "
                       "them.")},
    {"hidden",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Two, three or four digits that have their places in a region in only as "
                       "many cells: those cells hold those digits, so they lose every other "
                       "candidate.")},
    {"pointing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "In a block, a digit's places all lie in one row or column: the digit is "
                       "there within the block, so the rest of that line loses it.")},
    {"claiming",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "In a row or column, a digit's places all lie in one block: the digit is "
                       "there within the line, so the rest of that block loses it.")},
    {"X-wing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "In two rows a digit has its places in the same two columns: it stands at "
                       "two opposite corners, one in each column, so the columns' other cells "
                       "lose it. The same holds with rows and columns swapped.")},
    {"swordfish", QT_TRANSLATE_NOOP(
                      "TechniqueHelp",
                      "An X-wing of three: in three rows a digit's places lie in three columns, so "
                      "the digit fills those columns from these rows and their other cells lose "
                      "it.")},
    {"jellyfish",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "An X-wing of four: in four rows a digit's places lie in four columns, so "
                       "their other cells lose it.")},
    {"skyscraper",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Two rows (or columns) where a digit has two places each, one end of each "
                       "in the same column: the digit is at one of the two other ends, so a cell "
                       "that sees both loses it.")},
    {"two-string kite",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A digit with two places in a row and two in a column, one of each in the "
                       "same block: it is at one of the two far ends, so a cell that sees both "
                       "loses it.")},
    {"turbot fish",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Four places of one digit linked strong, weak, strong: it is at one of the "
                       "two ends, so a cell that sees both ends loses it.")},
    {"XY-wing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A pivot cell {X,Y} sees two pincers {X,Z} and {Y,Z}: whichever digit the "
                       "pivot takes, one pincer is Z, so a cell that sees both pincers loses Z.")},
    {"XYZ-wing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A pivot cell {X,Y,Z} sees two pincers {X,Z} and {Y,Z}: one of the three is "
                       "Z, so a cell that sees all three loses Z.")},
    {"W-wing",
     QT_TRANSLATE_NOOP(
         "TechniqueHelp",
         "Two cells {X,Y} that don't see each other, each seeing one end of a region "
         "where X has only two places: one of the ends is X, so one of the two cells is Y, and a "
         "cell that sees both loses Y.")},
    {"colour trap",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A digit's places that come in pairs (a region with two places) are "
                       "coloured in turn with two colours, and one colour is the digit's. A cell "
                       "that sees both colours loses it.")},
    {"colour wrap",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A digit's paired places coloured in turn: where two cells of one colour "
                       "see each other, that colour is wrong and all its cells lose the digit.")},
    {"X-chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A chain of one digit's places whose links are in turn strong (one of the "
                       "two holds it) and weak (not both do): one end holds it, so a cell that "
                       "sees both ends loses it.")},
    {"XY-chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A chain of cells with two candidates, each sharing a digit with the next: "
                       "if the first cell is not X the last one is, so a cell that sees both ends "
                       "loses X.")},
    {"alternating inference chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A chain of candidates through cells and regions whose links are in turn "
                       "strong and weak: one of its two ends is true, so a candidate that sees "
                       "both goes.")},
    {"continuous nice loop",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A chain of links in turn strong and weak that closes on itself: each weak "
                       "link then has a true end, so the other candidates of its cell, or of its "
                       "digit in its region, go.")},
    {"discontinuous nice loop",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A loop of links in turn strong and weak but for one place, where two links "
                       "of a kind meet: the candidate there is proven true or false.")},
    {"finned",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A fish with extra places, the fins, in one block: either the fish holds or "
                       "a fin is the digit, so the cells that the fish would clear and that also "
                       "see every fin lose it.")},
    {"sashimi",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A finned fish with one of its corners missing: the fin stands in for it, "
                       "so the cells that the fish would clear and that see every fin lose the "
                       "digit.")},
    {"ALS-XZ",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Two almost-locked sets (N cells with N+1 digits) sharing a digit X whose "
                       "places in both see each other: X is in one set at most, so a digit Z "
                       "common to both is in one of them, and a cell that sees every Z of both "
                       "loses it.")},
    {"ALS-XY-wing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Three almost-locked sets (N cells with N+1 digits), the two outer ones "
                       "linked to the middle one by digits that see each other: a digit Z common "
                       "to the outer sets is in one of them, so a cell that sees every Z of both "
                       "loses it.")},
    {"unique",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Cells in a rectangle of two rows, two columns and two blocks (or a longer "
                       "loop through each of its regions twice) that hold the same two digits: "
                       "were those all they could hold, the two digits could swap and the puzzle "
                       "would have two solutions. A puzzle has one, so what keeps the pattern "
                       "from being only those digits is true, and what would leave only them "
                       "goes.")},
    {"bivalue universal grave",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Were every open cell left with two candidates and every digit with two "
                       "places in each region, the puzzle would have two solutions. A puzzle has "
                       "one, so a candidate beyond that pattern is true, or at least one of "
                       "them is.")},
    {"aligned",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Two (or three) cells take one digit each; a combination goes when it "
                       "gives two of them that see each other one digit, or takes every "
                       "candidate of a cell that sees all of them. A candidate that no "
                       "combination left uses goes.")},
    {"bidirectional",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A loop of candidates, each linked to the next strongly (one of the two "
                       "holds) and weakly (not both do), in turn: either every other candidate "
                       "of the loop is true or the others are, so a candidate that sees one of "
                       "each goes.")},
    {"forcing",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A candidate assumed true (or false) and followed through candidates "
                       "linked strongly and weakly leads to its own opposite: so the opposite "
                       "is true. An X-chain follows one digit only.")},
    {"Nishio forcing chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A digit assumed in a cell and followed through that digit's places alone "
                       "leaves a region, a row or a column without a place for it: so it is not "
                       "there.")},
    {"cell forcing chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Each candidate of one cell is assumed in turn and followed through "
                       "singles: what every one of them leads to is true, whichever is the "
                       "cell's.")},
    {"region forcing chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Each place of a digit in one region is assumed in turn and followed "
                       "through singles: what every place leads to is true, wherever the digit "
                       "is.")},
    {"dynamic",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Assumptions followed through singles, locked candidates and pairs: one "
                       "that leads to a contradiction is false, and what every candidate of a "
                       "cell or every place of a digit in a region leads to is true.")},
    {"nested contradiction chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "An assumption followed until it contradicts itself, and so false, where a "
                       "candidate on the way may be false because its own assumption, made inside "
                       "the first, contradicts itself too.")},
    {"dynamic nested contradiction chain",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "A nested contradiction chain whose assumptions, the first and those "
                       "inside it, are followed through singles, locked candidates and pairs.")},
    {"dynamic forcing chain plus",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Dynamic forcing chains whose branches, where their singles stall, also "
                       "apply pointing, claiming, hidden and naked pairs and X-wings, each "
                       "resting on candidates the branch has removed.")},
    {"nested",
     QT_TRANSLATE_NOOP("TechniqueHelp",
                       "Dynamic forcing chains plus whose branches, where nothing simpler goes "
                       "on, apply whole chain rules inside: forcing chains; then cell and region "
                       "forcing chains; then dynamic forcing chains; then those plus.")},
};

const Help* Find(std::string_view name) {
    const auto named = [&](const Help& help) { return help.technique == name; };
    const auto* found = std::find_if(std::begin(kHelp), std::end(kHelp), named);
    if (found == std::end(kHelp)) {
        name = name.substr(0, name.find(' '));
        found = std::find_if(std::begin(kHelp), std::end(kHelp), named);
    }
    return found == std::end(kHelp) ? nullptr : found;
}

}  // namespace

QString Of(std::string_view technique) {
    const Help* help = Find(technique);
    return help == nullptr ? QString() : QCoreApplication::translate("TechniqueHelp", help->text);
}

}  // namespace TechniqueHelp
