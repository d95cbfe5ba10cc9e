#pragma once
// The 2024 tax figures: federal, payroll, benefits and the provinces and territories.
#include "benefits2024.h"
#include "federal2024.h"
#include "forms2024.h"
#include "money2024.h"
#include "payroll2024.h"
#include "provincial2024.h"
#include "provincialcredits2024.h"
#include "provincerates2024.h"
