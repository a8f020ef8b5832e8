#pragma once
// The UDP port that forms start their TFTP server on: 69, or KTX_TFTP_PORT when it holds a valid
// port (for tests, since 69 needs privileges).
int TFTPServerPort();
