// The two web pages the program opens: the joke service's home page and the maker's.
#pragma once

inline constexpr const char* kJokeServiceHomePage = "http://www.tralalino.example/";
inline constexpr const char* kMakerHomePage = "http://www.valdrena.example/";
