#include "Module1.h"

#include "library_path.h"  // DECLDEMO_LIBRARY_PATH, fixed when the program is built

vbforms::Declare<GetGatewayListFn> GetGatewayList(DECLDEMO_LIBRARY_PATH,
                                                  QOLVIX_SMS_GET_GATEWAY_LIST);
vbforms::Declare<SendSmsFn> SendSms(DECLDEMO_LIBRARY_PATH, QOLVIX_SMS_SEND_SMS);
