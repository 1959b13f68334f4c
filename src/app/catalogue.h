#pragma once

// The drill catalogue: title, levels and help page.
namespace catalogue {

constexpr const char* kHelpPage = "/narabitouch.htm";

// drillTitle := "ならびタッチ".
void setTitle();
// Fills levelCount, topLevel, levelNames and timedLevel, then shows the home screen.
void openCourse();
// Fills the level tables only (what openCourse does before showing the home screen).
void fillLevelTables();
// helpUrl := the drill's help page; shows the help browser.
void openHelp();
// The maker's web site, without the closing "/".
const char* siteHost();

}  // namespace catalogue
