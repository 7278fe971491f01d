#include "Mesa.h"
