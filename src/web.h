// The browser's side of the program, built into the web page only: the browser runs the frame loop, the
// canvas follows the page's size, and progress lives in the browser's own file store.
#pragma once

struct game_loop;

// savegame.dat in a directory that the page fills from the browser's store before the program starts
// (tools/web/pre.js); the program hands each new save back to the store.
#define WEB_SAVE_FILE "/progress/savegame.dat"

// A new save file is on disk; the browser's store gets it after the frame.
void web_saved();

// Takes over the loop (and its title screen) and hands it to the browser, which calls frame once per
// display refresh while the page is shown; never returns. When the title screen quits, the game stops as
// on the desktop.
void web_run(game_loop& Loop);
