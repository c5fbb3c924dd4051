// Writes the data file of the large generated fishery on standard output,
// for whole-process measures of vasco-batch:
//   vasco-pecherie-generee > generee.vsc
#include "tests/support/PecherieGeneree.h"

#include <iostream>

int main()
{
    std::cout << vasco::test::TextePecherieGeneree();
    return std::cout.flush() ? 0 : 1;
}
