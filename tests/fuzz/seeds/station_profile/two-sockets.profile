language = French
sockets = 2
mode = alternate
socket1.type = Type 3C
socket1.locking = 1 actuator
socket1.contactor = COIMP
socket1.meter = CT meter
socket1.imax = 32
socket1.imax_s = 10
socket2.type = Type 3A
socket2.locking = None
socket2.contactor = mirror Contact
socket2.meter = No meter
socket2.imax = 6
socket2.imax_s = 6
30-
