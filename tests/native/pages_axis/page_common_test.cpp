#include "page_fixture.h"
