#include "Module1.h"
