#pragma once

#include <string>

// The page around the game's canvas (web/page/): what the game tells it and
// asks of it. Every call is safe before the page has finished loading.
namespace Page
{
// Shows a failure that stops the game, as the page's own message.
void ShowFailure(const std::string& utf8Message);
// The game has ended: the page says goodbye and offers to play again.
void GameEnded(int exitStatus);
// The value stored under key in the browser's storage; "" when there is none
// or the browser keeps no storage for the page.
std::string Stored(const char* key);
// Stores value under key; nothing when the browser keeps no storage.
void Store(const char* key, const char* value);
// True when the browser can draw with WebGL, which the game's display needs.
bool HasWebGl();
// Asks for a lost WebGL context back and rebuilds what lived on the GPU once
// it is; the round waits meanwhile.
void WatchContext();
// Sizes the canvas to the page's window now and on every resize (see FitPicture).
void KeepCanvasFitted();
}
