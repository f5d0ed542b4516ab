Caligari V00.01A
PolH