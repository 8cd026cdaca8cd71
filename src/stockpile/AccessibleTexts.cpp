#include "stockpile/AccessibleTexts.h"

namespace kv380 {

void describeForAccessibility(StockpileDesign& d) {
    d.owner.setAccessibleTexts("Stockpile",
                               "The workspace's objects, one tab per view, to place on drawings.");
    d.TabStrip.setAccessibleTexts(
        "Views", "The Options tab and one tab per view of the organisation. Ctrl+PageUp and Ctrl+PageDown "
                 "switch tabs.");
    d.fraOrganise.setAccessibleTexts("Organisation", "Which organisation's views are shown.");
    d.cmbOrganiseBy.setAccessibleTexts("Organise by",
                                       "Choose the organisation whose views are shown as tabs.");
    d.Label4.setAccessibleTexts("Organise by", "The label of the organisation list.");
    d.cmdRefresh.setAccessibleTexts("Refresh Stockpile", "Reloads the views and the shown view's objects.");
    d.fraRWLView.setAccessibleTexts("Objects", "The objects of the shown view.");
    d.rwlvStockpile[1].setAccessibleTexts(
        "Objects", "The view's objects that pass the filter. Enter places the selected object on the active "
                   "drawing; the menu key or Shift+F10 opens its menu.");
    d.fraFilter.setAccessibleTexts("Filter", "Narrows the view's lists by a pattern.");
    d.txtFilterBy.setAccessibleTexts(
        "Filter by", "A pattern the object names must start with: * any text, ? any character, # any digit, "
                     "[a-z] one of a list. Ctrl+F comes here; Enter shows the view through it.");
    d.Label2.setAccessibleTexts("Filter by", "The label of the filter box.");
    d.fraRefresh.setAccessibleTexts("Automatic refresh", "Whether and how often the list reloads itself.");
    d.chkAutoRefresh.setAccessibleTexts("Auto Refresh", "Reload the views every so many seconds.");
    d.txtRefreshRate.setAccessibleTexts("Refresh rate", "Seconds between automatic reloads, 0 to 65.");
    d.UpDown1.setAccessibleTexts("Refresh rate spinner", "Raises or lowers the refresh rate by a second.");
    d.Label1.setAccessibleTexts("Seconds", "The unit of the refresh rate.");
    d.fraPage.setAccessibleTexts("Pages", "Which page of view tabs is shown.");
    d.txtPageNo.setAccessibleTexts("Page", "The number of the page of view tabs shown.");
    d.UpDown2.setAccessibleTexts("Page spinner", "Shows the next or the previous page of view tabs.");
    d.Label3.setAccessibleTexts("Page", "The label of the page box.");
    d.lbTotal.setAccessibleTexts("Page count", "How many pages of view tabs there are.");
    d.cmdCatchEnterKey.setAccessibleTexts("Catch Enter Key", "Keeps Enter from reaching the host's window.");
}

} // namespace kv380
