// Every program's tables fit together: what a face, a print table or the print-choice menu
// names exists in that program's record and layout. A misspelt control name would otherwise
// print an empty line without a word.
#include <gtest/gtest.h>

#include "designer/designer_tables.h"
#include "designers/davavazo/davavazo.h"
#include "designers/kryton/kryton.h"
#include "designers/kuvertex/kuvertex.h"
#include "designers/radirir/radirir.h"
#include "designers/vevuvez/vevuvez.h"
#include "designers/vreckar/vreckar.h"
#include "designers/zozuraz/zozuraz.h"

namespace papyrka {
namespace {

TEST(DesignerTables, EveryProgramsTablesFitTogether) {
    for (const DesignerTables& (*tables)() : {&vevuvez::VevuvezDesigner, &kryton::KrytonDesigner,
                                             &kuvertex::KuvertexDesigner, &vreckar::VreckarDesigner,
                                             &zozuraz::ZozurazDesigner, &radirir::RadirirDesigner,
                                             &davavazo::DavavazoDesigner})
        EXPECT_EQ(ValidateDesigner(tables()), std::vector<std::string>{}) << tables().record.fileName;
}

// The checks themselves, on a small program with one fault of each kind.
TEST(DesignerTables, EachKindOfMismatchIsFound) {
    static const RecordLayout record{"Skuska.dat", {"txtName", "txtphone1", "txtMemo"}};
    static const EditorFace face{u"Skúška", "Label17", {5160, 120, 735, 255},
                                 {Box("txtName", {2040, 1800, 3015, 285}), Box("txtPhone1", {2040, 2160, 3015, 285}),
                                  Box("txtName", {2040, 2520, 3015, 285}), Box("txtMemo", {5040, 2880, 3015, 285})}};
    static Layout (*const piece)() = [] {
        return Layout(3000, 3000, {}, {LayoutBox{"Label1", {0, 0, 1000, 300}}, LayoutBox{"Label2", {2500, 0, 1000, 300}}});
    };
    const DesignerTables tables{u"Skúška", record, face, piece, {{"Label1", "txtName"}, {"Label3", "txtMemo"}},
                                ButtonAction::PrintChoiceMenu, ButtonAction::PrintLayout};
    std::string all;
    for (const std::string& problem : ValidateDesigner(tables)) all += problem + "\n";
    for (const char* expected : {
             "editor box \"txtPhone1\" is no field",   // wrong case is no match
             "\"txtName\" is listed twice", "\"txtMemo\" lies outside the window", "field \"txtphone1\" has no editor box",
             "layout box \"Label3\" does not exist", "adodos: \"txtPhone1\" is no field",
             "adresat: layout box \"Label4\" does not exist", "\"Label2\" lies outside the layout"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " in " << all;
}

}  // namespace
}  // namespace papyrka
