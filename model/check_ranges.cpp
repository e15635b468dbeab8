#include "model/check_ranges.h"

bool CheckRanges(const TModelParams& p, TMessageBox& box)
{
    const bool fails = p.StepSize >= 0.10001                                       //
                       || p.StepSize == 0                                          //
                       || p.StepSize <= -0.10001                                   //
                       || p.StepCount > 1000                                       //
                       || p.TransportVelocity > 1000 || p.TransportVelocity < -1000  //
                       || p.Mass > 10000                                           //
                       || p.SpringConstant > 10000 || p.SpringConstant < -10000    //
                       || p.CoefA > 1 || p.CoefA < -1                              //
                       || p.CoefB > 1 || p.CoefB < -1                              //
                       || p.CoefC > 1000 || p.CoefC < -1000;
    if (fails) box.Show(MsgOutOfRange);
    return !fails;
}
