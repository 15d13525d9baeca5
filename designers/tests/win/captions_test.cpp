// Every caption of every designer's editor and of the search dialog, in the faces this system
// has, measured on a screen DC at two resolutions: none is cut.
#include <gtest/gtest.h>

#include "designer/win/search_dialog.h"
#include "designers/davavazo/davavazo.h"
#include "designers/kryton/kryton.h"
#include "designers/kuvertex/kuvertex.h"
#include "designers/radirir/radirir.h"
#include "designers/vevuvez/vevuvez.h"
#include "designers/vreckar/vreckar.h"
#include "designers/zozuraz/zozuraz.h"
#include "testing/win/designer_session.h"
#include "testing/win/label_fit.h"

namespace papyrka {
namespace {

TEST(Captions, EveryCaptionOfEveryEditorAndOfTheSearchDialogLiesWholeInItsBoxAt96And144Dpi) {
    win::LabelSet search;
    for (win::LabelSpec& label : SearchDialog::Captions()) search.Add(std::move(label));
    test::ExpectEveryCaptionFits(search, "frmSearch");
    for (const DesignerTables* tables :
         {&davavazo::DavavazoDesigner(), &kryton::KrytonDesigner(), &kuvertex::KuvertexDesigner(),
          &radirir::RadirirDesigner(), &vevuvez::VevuvezDesigner(), &vreckar::VreckarDesigner(),
          &zozuraz::ZozurazDesigner()}) {
        const Designer designer{*tables};
        test::DesignerSession session(designer, {});
        ASSERT_NE(session.form().hwnd(), nullptr);
        test::ExpectEveryCaptionFits(session.form().Labels(), std::string(tables->record.fileName));
    }
}

}  // namespace
}  // namespace papyrka
