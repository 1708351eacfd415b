// Module1: the SMS library's two entry points, declared for the whole program. Each binds
// on its first call and stays bound until the program ends.
#pragma once

#include "qolvix_sms.h"
#include "vbforms/declare.h"

// () As String: the gateway list, one entry per line, each line ended by CR LF.
extern vbforms::Declare<GetGatewayListFn> GetGatewayList;

// (gateway, account, password, mobile, message, nickname, reserved As String) As String:
// the reply to show the user.
extern vbforms::Declare<SendSmsFn> SendSms;
