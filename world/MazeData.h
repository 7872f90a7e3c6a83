#pragma once

// The built-in mazes: each an array of 21 strings of 32 characters,
// '#' wall and ' ' open, ended by a null pointer.
extern const char* const maze_A[];
extern const char* const maze_B[];
extern const char* const maze_C[];
extern const char* const maze_D[];
extern const char* const maze_E[];
extern const char* const maze_F[];
extern const char* const maze_G[];
extern const char* const maze_H[];
extern const char* const maze_I[];
extern const char* const maze_J[];
extern const char* const maze_K[];
extern const char* const maze_L[];
extern const char* const maze_M[];
extern const char* const maze_N[];
extern const char* const maze_O[];
extern const char* const maze_extra[];

constexpr int MAZE_COUNT = 16;
// Entry n is the maze the menu shows as letter 'A' + n.
extern const char* const* const maze_list[MAZE_COUNT];
