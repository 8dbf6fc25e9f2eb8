#include "about/about.h"

TForm2* Form2 = nullptr;
