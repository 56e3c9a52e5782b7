#include "app/Program.h"

int main(int argc, char* argv[]) { return stapelwerk::runProgram(argc, argv); }
