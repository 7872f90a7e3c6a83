#pragma once
#include <SDL.h>

// The one game window and the pixel geometry every drawing and input
// operation shares. Module state, one window per process.
extern int glyph_size;
extern int window_width;
extern int window_height;
extern int game_width;
extern int game_height;
extern bool restricted_game_area;
extern int game_offset_x;
extern int game_offset_y;
extern int active_width_logical;
extern int active_height_logical;
extern bool recorded_offset_setting;
extern int left_right_pixels_size;
extern int up_down_pixels_size;
extern int menu_pixel_size;

// The largest multiple of 8 whose 32x24 cells fit a desktop of w by h (at least 8).
int LargestGlyphSizeFor(int desktop_width, int desktop_height);
// The cell size a new window takes on that desktop: one step below the largest above 16.
int WindowGlyphSizeFor(int desktop_width, int desktop_height);
// The cell size F4 moves to from current on that desktop.
int NextGlyphSizeFor(int current, int desktop_width, int desktop_height);

// Where the 32x24 game screen of `cell` pixel cells sits, centred, in a window w by h.
SDL_Rect GameAreaFor(int window_width, int window_height, int cell);
// Where a window frame moves to lie wholly within bounds, moving no further than it must
// (to the top left corner of the bounds when it is larger).
SDL_Point KeptWithin(SDL_Rect frame, SDL_Rect bounds);

// A pointer position in window units (points on a scaled desktop, CSS pixels
// in a browser) as a position in the window's pixels.
SDL_Point PointerToPixels(int x, int y, SDL_Point window_size, SDL_Point drawable_size);
SDL_Point WindowToPixels(int x, int y);

bool CreateGameWindow();
// The window, owned by this module from CreateGameWindow to DestroyGameWindow.
SDL_Window* GetGameWindow();
void DestroyGameWindow();
int CalculateMaximumGlyphSize();
void UpdateScreenData(SDL_Window* window);
// Geometry for a window of this size without asking SDL (used by offscreen targets).
void SetScreenSize(int width, int height);
void ToggleScreenSize();
// Desktop full screen with the largest cells that fit, or back to the window as it was.
void ToggleFullScreen();
void raw_set_game_screen_offset();
void raw_remove_game_screen_offset();
void RecordOffsetSetting();
void RestoreRecordedOffsetsetting();
// The window's parts outside the game screen; returns how many (0 to 4) are not empty.
int BorderRects(SDL_Rect out[4]);
void BlankBorders(SDL_Renderer* renderer, SDL_Color colour);
void game_to_screen(int& x, int& y);
SDL_Rect game_to_screen(SDL_Rect rect);
void screen_to_game(int& x, int& y);
int y_to_line(int y);
int x_to_column(int x);
int current_print_area_width();
int current_print_area_height();
int get_simulated_orientation();
