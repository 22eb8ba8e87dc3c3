#include "app/startup.h"

int main() { RunProgram(); }
