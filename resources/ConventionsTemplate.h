#pragma once
// The "Conventions" dialog: template 265 with one check box per convention switch.

#define IDD_CONVENTIONS 265
#define IDC_CONV_BLACKWOOD 1013
#define IDC_CONV_GERBER 1014
#define IDC_CONV_CUEBID 1015
#define IDC_CONV_STAYMAN 1016
#define IDC_CONV_SWISS 1017
#define IDC_CONV_STRONGNT 1018
#define IDC_CONV_GSF 1019
#define IDC_CONV_JOSEPHINE 1020
#define IDC_CONV_BARON 1021
#define IDC_CONV_TRIALBID 1022

// Registers template IDD_CONVENTIONS in the platform's resource table.
void RegisterConventionsTemplate();
