#include "print_driver.h"
