#pragma once
// Rows of one band in the wireless table; the second band's stand kRowsPerBand further on.
enum WirelessRow {
    rSSID,
    rBroadcast,
    rChannel,
    rChannelList,
    rRadioFrequency,
    rWdsChannelList,
    rApMode,
    rAuthentication,
    rEncryption,
    rValidKey,
    rKeyType,
    rPassPhrase,
    rCipher,
    rGroupKey,
    rDot1xKeyType,
    rAutoScan,
    rAccountMode,
    rAccountServer,
    rAccountPort,
    kRowsPerBand
};
